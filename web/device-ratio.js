// The screen's device pixel ratio, followed: a window moved to another
// screen, or a page zoomed by the browser, gives a new one. The media query
// for the current resolution stops matching when it changes; a new query is
// then watched for the new ratio.
export function followDeviceRatio(onChange) {
  let query = null;
  const changed = () => {
    watch();
    onChange(window.devicePixelRatio);
  };
  function watch() {
    query?.removeEventListener('change', changed);
    query = window.matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`);
    query.addEventListener('change', changed);
  }
  watch();
  return window.devicePixelRatio;
}
