#include "cli/command_line.h"

#include <optional>

#include "cli/case_text.h"
#include "cli/output.h"
#include "version.h"

namespace {

constexpr const char kUsageLine[] =
    "usage: ovanta-solve [--y0 METRES] [--json] NAME=VALUE NAME=VALUE [--point NAME=VALUE]"
    " | --batch FILE | --help | -h | --version\n";

constexpr const char kHelp[] =
    "       with gravity and air: [--g G] [--object NAME | --cd CD --diameter D --mass M]"
    " [--rho R]\n"
    "\n"
    "ovanta-solve completes a projectile's launch from two of its seven parameters, from any\n"
    "launch height, as the Ovanta shot dialog does, and answers questions about a point of its\n"
    "path. Numbers are written with a point as the decimal separator.\n"
    "\n"
    "  NAME=VALUE          two given values; NAME is one of vo (m/s), angle (degrees), vx (m/s),\n"
    "                      vy0 (m/s), reach (m), height (m), t (s), in any letter case\n"
    "  --y0 METRES         the launch height (0 when left out)\n"
    "  --point NAME=VALUE  the point of the path where one of x (m), y (m), vy (m/s), v (m/s)\n"
    "                      or t (s) has this value; y and v give the second passage too. The\n"
    "                      path's equations go on past the flight, so a point may lie before\n"
    "                      the launch (t below 0) or after the landing (y below 0); with air\n"
    "                      the path is known from the launch to the landing only\n"
    "  --g G               the gravity in m/s^2 (9.81 when left out; moon 1.62, mars 3.71,\n"
    "                      jupiter 24.79)\n"
    "  --object NAME       a ball flying in air (quadratic drag), its mass, diameter and drag\n"
    "                      coefficient from this list:\n"
    "%BALLS%"
    "  --cd CD --diameter D --mass M\n"
    "                      a ball of your own in air: drag coefficient, diameter (m), mass (kg);\n"
    "                      with --object, each replaces that ball's value\n"
    "  --rho R             the air's density in kg/m^3 (1.225, sea level at 15 C)\n"
    "  --json              one JSON object, every value in full precision; with any of the\n"
    "                      options above also g, and with air cd, diameter, mass, rho, k (the\n"
    "                      drag constant, 1/m) and vt (the terminal speed, m/s)\n"
    "  --batch FILE        solve each row of a CSV file (- for standard input): a header\n"
    "                      naming columns among vo angle vx vy0 reach height t y0, and rows\n"
    "                      with two values each; optional columns g object cd diameter mass\n"
    "                      rho give each row's conditions, an empty cell its default. Each row\n"
    "                      is answered with its values, or with the reason in the column\n"
    "                      error: the dialog's refusal, \"the row is too long\" (beyond 64 KB),\n"
    "                      \"a quoted cell is not closed\", a wrong number of cells, a value\n"
    "                      that is not a number\n"
    "  -h, --help          this text\n"
    "  --version           the program's version\n"
    "\n"
    "--y0, --point, --batch and the options of gravity and air also take their value as\n"
    "--y0=METRES, --point=NAME=VALUE, --batch=FILE, --g=G...; an empty value is a usage error.\n"
    "\n"
    "With air the path is integrated numerically from the launch to the landing; where the\n"
    "given values fix two launches, the flatter is written.\n"
    "\n"
    "Exit status: 0 solved, 1 the case has no solution (the reason on standard error),\n"
    "2 a usage error or a batch file that cannot be read.\n";

// The help with the balls' values in place of %BALLS%.
std::string HelpText() {
    std::string balls;
    for (const BallPreset& b : kBalls) {
        std::string line = "                        " + std::string(b.key) + " ";
        line.resize(40, ' ');
        AppendShortest(line, b.mass);
        line += " kg, ";
        AppendShortest(line, b.diameter);
        line += " m, Cd ";
        AppendShortest(line, b.cd);
        balls += line + "\n";
    }
    std::string help = kHelp;
    help.replace(help.find("%BALLS%"), 7, balls);
    return help;
}

CommandResult Answer(const std::string& out) { return {0, out, "", false, ""}; }
CommandResult Refusal(const std::string& reason) { return {1, "", reason + "\n", false, ""}; }
CommandResult UsageError(const std::string& what) { return {2, "", what + "\n" + kUsageLine, false, ""}; }

// The field of a condition's option ("--g" and so on), or null for another option.
std::string_view* ConditionOption(CaseText& text, std::string_view name) {
    if (name == "--g") return &text.g;
    if (name == "--object") return &text.object;
    if (name == "--cd") return &text.cd;
    if (name == "--diameter") return &text.diameter;
    if (name == "--mass") return &text.mass;
    if (name == "--rho") return &text.rho;
    return nullptr;
}

// Splits "NAME=VALUE"; false without an "=".
bool SplitAssignment(std::string_view arg, std::string_view& name, std::string_view& value) {
    const std::size_t equals = arg.find('=');
    if (equals == std::string_view::npos) return false;
    name = arg.substr(0, equals);
    value = arg.substr(equals + 1);
    return true;
}

// Solves the case read from the arguments and writes it, with the point asked for, if any.
CommandResult SolveAndShow(const CaseText& text, bool json, std::optional<std::string_view> point) {
    int pointField = 0;
    std::string_view pointText;
    if (point) {
        std::string_view name;
        if (!SplitAssignment(*point, name, pointText))
            return UsageError("--point needs NAME=VALUE: " + std::string(*point));
        pointField = PointFieldByName(name);
        if (pointField == 0) return UsageError("unknown point name: " + std::string(name) + " (names: x y vy v t)");
        if (IsEmptyValue(pointText)) return UsageError("--point " + std::string(*point) + " has no value");
    }

    const CaseOutcome solved = SolveCaseText(text);
    if (solved.status == CaseStatus::Unreadable) return UsageError(solved.reason);
    if (solved.status == CaseStatus::Refused) return Refusal(solved.reason);

    PointOutcome answer;
    if (pointField) {
        answer = AnswerPointText(solved.full, pointField, pointText);
        if (answer.status == CaseStatus::Unreadable) return UsageError(answer.reason);
        if (answer.status == CaseStatus::Refused) return Refusal(answer.reason);
    }

    CommandResult result;
    const TrajectoryPoint* first = pointField ? &answer.first : nullptr;
    const TrajectoryPoint* second = pointField && answer.count == 2 ? &answer.second : nullptr;
    if (json) {
        result.out = JsonLine(solved.solution, first, second);
        if (NamesConditions(text) || !IsEarthVacuum(solved.full.conditions)) {
            result.out.pop_back();  // the line's end
            result.out.pop_back();  // the object's brace
            result.out += JsonConditions(solved.full.conditions) + "}\n";
        }
    } else {
        result.out = ShownLines(solved.solution);
        if (first) result.out += ShownPointLine("point", *first);
        if (second) result.out += ShownPointLine("point2", *second);
    }
    return result;
}

}  // namespace

CommandResult RunCommandLine(const std::vector<std::string_view>& args) {
    if (args.empty()) return UsageError("nothing to solve: give two values as NAME=VALUE");

    CaseText text;
    bool json = false;
    std::optional<std::string_view> y0, point, batch;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h") return Answer(std::string(kUsageLine) + HelpText());
        if (arg == "--version") return Answer(std::string("ovanta-solve (Ovanta shot) ") + OVANTA_VERSION_TEXT + "\n");
        if (arg.starts_with("-")) {
            // --name VALUE or --name=VALUE
            std::string_view name = arg, inlineValue;
            const bool hasInline = SplitAssignment(arg, name, inlineValue);
            std::optional<std::string_view>* option = nullptr;
            std::string_view* condition = ConditionOption(text, name);
            if (name == "--json") {
                if (hasInline) return UsageError("--json takes no value");
                if (json) return UsageError("--json is given twice");
                json = true;
                continue;
            }
            if (condition) {
                if (!condition->empty()) return UsageError(std::string(name) + " is given twice");
                if (hasInline) *condition = inlineValue;
                else if (i + 1 < args.size()) *condition = args[++i];
                if (IsEmptyValue(*condition)) return UsageError(std::string(name) + " needs a value");
                continue;
            }
            if (name == "--y0") option = &y0;
            else if (name == "--point") option = &point;
            else if (name == "--batch") option = &batch;
            else return UsageError("unknown option: " + std::string(arg));
            if (*option) return UsageError(std::string(name) + " is given twice");
            if (hasInline) {
                *option = inlineValue;
            } else if (i + 1 < args.size()) {
                *option = args[++i];
            }
            // "--y0=" or an empty argument, as a script's unset variable gives: no value at all,
            // not a launch height of 0.
            if (!*option || IsEmptyValue(**option)) return UsageError(std::string(name) + " needs a value");
            continue;
        }
        std::string_view name, value;
        if (!SplitAssignment(arg, name, value)) return UsageError("not NAME=VALUE: " + std::string(arg));
        const int p = ParamByName(name);
        if (p == 0) {
            if (name == "y0" || name == "Y0")
                return UsageError("unknown name: " + std::string(name) + " (the launch height is --y0 METRES)");
            return UsageError("unknown name: " + std::string(name) + " (names: vo angle vx vy0 reach height t)");
        }
        if (text.given[p]) return UsageError(std::string(name) + " is given twice");
        if (IsEmptyValue(value)) return UsageError(std::string(arg) + " has no value");
        text.given[p] = true;
        text.value[p] = value;
    }

    if (batch) {
        bool anyGiven = false;
        for (bool given : text.given) anyGiven = anyGiven || given;
        if (json || y0 || point || anyGiven || NamesConditions(text))
            return UsageError("--batch takes no other arguments");
        return {0, "", "", true, std::string(*batch)};
    }

    text.y0 = y0.value_or("");
    return SolveAndShow(text, json, point);
}
