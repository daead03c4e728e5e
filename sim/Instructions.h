// The page of instructions that "Help" shows, for every front-end: seven
// paragraphs in order, the window's button names among them in bold italic
// within „…“. Each front-end sets the paragraphs in its own type.
#pragma once

#include <string>
#include <string_view>

namespace otpor {

// The paragraphs as HTML, each opened by `paragraphStart` (a <p> tag with
// whatever attributes the front-end's layout wants) and closed by </p>.
std::string InstructionsHtml(std::string_view paragraphStart = "<p>");

} // namespace otpor
