// The one boundary where Qt calls our code: every slot, event override and
// timer callback runs its work through Guarded, so that a failing handler
// ends, its message goes to the application's error report, and no
// exception ever crosses a Qt frame.
#pragma once

#include <exception>
#include <functional>
#include <string>
#include <utility>

namespace otpor::qt {

// Shows the message of the exception in flight in the error box (or hands it
// to the hook that tests install).
void ReportException(std::exception_ptr error) noexcept;

// Replaces the error box (tests record the messages); an empty function
// restores it.
void SetErrorReportHook(std::function<void(const std::string& message)> hook);

// Runs f; a failure is reported and swallowed. Returns whether f completed.
template <class F> bool Guarded(F&& f) noexcept
{
    try {
        std::forward<F>(f)();
        return true;
    } catch (...) {
        ReportException(std::current_exception());
        return false;
    }
}

} // namespace otpor::qt
