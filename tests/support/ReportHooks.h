// The error box and the beep replaced for as long as a test's fixture
// lives: each reported message and each beep goes to the test's own
// handler, and the real box and beep are back once the fixture is gone.
#pragma once

#include "platform/qt/ErrorReport.h"
#include "platform/qt/Runtime.h"

#include <functional>
#include <string>

namespace otpor::test {

class ReportHooks {
public:
    explicit ReportHooks(
        std::function<void(const std::string& message)> onError, std::function<void()> onBeep = [] {})
    {
        qt::SetErrorReportHook(std::move(onError));
        qt::SetBeepHook(std::move(onBeep));
    }
    ~ReportHooks()
    {
        qt::SetErrorReportHook(nullptr);
        qt::SetBeepHook({});
    }
    ReportHooks(const ReportHooks&) = delete;
    ReportHooks& operator=(const ReportHooks&) = delete;
};

} // namespace otpor::test
