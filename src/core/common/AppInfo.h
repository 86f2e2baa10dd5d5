#pragma once

namespace pelinor {

// The program's name: the main window's title and the caption of most of its messages.
inline constexpr const char* kApplicationTitle = "Pelinor";
// The caption of the login messages, confirmations and several refusals.
inline constexpr const char* kSystemPromptCaption = "系统提示";

} // namespace pelinor
