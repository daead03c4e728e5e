#include "cli/CalcMain.h"

#include "cli/CalcExitCode.h"
#include "cli/CalcOptions.h"
#include "cli/CalcRequest.h"
#include "cli/ReportFormat.h"
#include "cli/UsageError.h"

#include <ostream>

namespace otpor {

namespace {

constexpr std::string_view MoreHelp = "Run with --help for more information.";

void Report(std::ostream& err, std::string_view message)
{
    err << CalcProgramName << ": " << message << '\n';
}

void WriteResults(const CalcRequest& request, std::ostream& out)
{
    if (request.Csv)
        out << CsvHeader();
    for (const CalcInputs& inputs : request.Calculations()) {
        const CalcResult result = Calculate(inputs);
        out << (request.Csv ? CsvRow(result) : FormatTable(result));
    }
}

} // namespace

int RunCalc(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    CLI::App app;
    CalcOptions options;
    AddCalcOptions(app, options);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // --help and --version end the parse with a success of their own.
        if (e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success))
            return app.exit(e, out, err);
        Report(err, e.what());
        err << MoreHelp << '\n';
        return ExitUsage;
    }

    try {
        if (options.ListMaterials)
            out << FormatMaterialTables();
        else
            WriteResults(ValidateOptions(options), out);
    } catch (const UsageError& e) {
        Report(err, e.what());
        err << MoreHelp << '\n';
        return ExitUsage;
    } catch (const Exception& e) {
        Report(err, e.what());
        return ExitFailure;
    }

    out.flush();
    if (!out) {
        Report(err, "the output could not be written");
        return ExitFailure;
    }
    return ExitOk;
}

} // namespace otpor
