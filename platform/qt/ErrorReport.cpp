#include "platform/qt/ErrorReport.h"

#include "platform/Errors.h"
#include "platform/qt/Runtime.h"

namespace otpor::qt {

namespace {

std::function<void(const std::string&)>& ErrorReportHook()
{
    static std::function<void(const std::string&)> hook;
    return hook;
}

} // namespace

void SetErrorReportHook(std::function<void(const std::string& message)> hook)
{
    ErrorReportHook() = std::move(hook);
}

void ReportException(std::exception_ptr error) noexcept
{
    const std::string message = ExceptionMessage(error);
    try {
        if (ErrorReportHook())
            ErrorReportHook()(message);
        else
            ShowErrorBox(QString::fromStdString(message));
    } catch (...) {
        // Nothing sensible is left to do if the report itself fails.
    }
}

} // namespace otpor::qt
