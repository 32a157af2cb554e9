#include "cli/output.h"

#include <charconv>

#include "cli/case_text.h"
#include "text/number_text.h"

namespace {

// The exact texts take -0 as 0: a sign on a zero says nothing.
double NoNegativeZero(double value) { return value == 0 ? 0.0 : value; }

// Nor on a value that rounds to zero at these decimals: "0.000", never "-0.000".
std::string Shown(double value, unsigned decimals) { return FormatPlain(value, decimals); }

// The five point fields in the panel's order, k = 1..5 at index k - 1.
void PointValues(const TrajectoryPoint& point, double (&values)[5]) {
    values[0] = point.x;
    values[1] = point.y;
    values[2] = point.vy;
    values[3] = point.speed;
    values[4] = point.t;
}

void AppendJsonPoint(std::string& out, const char* key, const TrajectoryPoint& point) {
    double values[5];
    PointValues(point, values);
    out += ",\"";
    out += key;
    out += "\":{";
    for (int k = 1; k <= 5; ++k) {
        if (k > 1) out += ',';
        out += '"';
        out += CliPointName(k);
        out += "\":";
        AppendShortest(out, values[k - 1]);
    }
    out += '}';
}

}  // namespace

void AppendShortest(std::string& out, double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, NoNegativeZero(value));
    out.append(buffer, result.ptr);
}

std::string ShownLines(const Solution& solution) {
    std::string out;
    for (int p = 1; p <= kParamCount; ++p) {
        out += CliParamName(p);
        out += ' ';
        out += Shown(solution.values[p], 3);
        out += '\n';
    }
    return out;
}

std::string ShownPointLine(std::string_view label, const TrajectoryPoint& point) {
    double values[5];
    PointValues(point, values);
    std::string out(label);
    for (int k = 1; k <= 5; ++k) {
        out += ' ';
        out += CliPointName(k);
        out += ' ';
        out += Shown(values[k - 1], 2);
    }
    out += '\n';
    return out;
}

std::string JsonLine(const Solution& solution, const TrajectoryPoint* point,
                     const TrajectoryPoint* point2) {
    std::string out = "{";
    for (int p = 1; p <= kParamCount; ++p) {
        out += '"';
        out += CliParamName(p);
        out += "\":";
        AppendShortest(out, solution.values[p]);
        out += ',';
    }
    out += "\"y0\":";
    AppendShortest(out, solution.y0);
    if (point) AppendJsonPoint(out, "point", *point);
    if (point2) AppendJsonPoint(out, "point2", *point2);
    out += "}\n";
    return out;
}

std::string JsonConditions(const Conditions& c) {
    std::string out = ",\"g\":";
    AppendShortest(out, c.g);
    if (!c.air) return out;
    const struct {
        const char* key;
        double value;
    } members[] = {{"cd", c.cd},   {"diameter", c.diameter},    {"mass", c.mass},
                   {"rho", c.rho}, {"k", DragConstant(c)}, {"vt", TerminalSpeed(c)}};
    for (const auto& m : members) {
        out += ",\"";
        out += m.key;
        out += "\":";
        AppendShortest(out, m.value);
    }
    return out;
}

void AppendCsvCell(std::string& out, std::string_view cell) {
    if (cell.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += cell;
        return;
    }
    out += '"';
    for (char c : cell) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}
