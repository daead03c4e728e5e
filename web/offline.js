// The page keeps its files for offline use where the browser allows a
// service worker (served over HTTP(S); a page opened as a file has none).
if ('serviceWorker' in navigator && location.protocol.startsWith('http')) {
  navigator.serviceWorker.register('sw.js').catch(() => {
    // Without it the page still works online.
  });
}
