#include "core/Config.h"

#include "core/Text.h"

namespace sensorsim {

namespace {

constexpr struct {
    Line line;
    const char* name;
} LineNames[] = {
    {Line::Qf8200, "qf8200"},
    {Line::Qf8200Echo, "qf8200echo"},
    {Line::Qf8200Rdx, "qf8200rdx"},
    {Line::Qt8200, "qt8200"},
};

}  // namespace

std::optional<Line> lineFromName(std::string_view name) {
    std::string upper = toUpper(name);
    for (const auto& entry : LineNames)
        if (upper == toUpper(entry.name)) return entry.line;
    return std::nullopt;
}

std::string lineName(Line line) {
    for (const auto& entry : LineNames)
        if (entry.line == line) return entry.name;
    return {};
}

Variant defaultVariant(Line line) {
    Variant variant;
    if (line == Line::Qf8200Rdx) {
        variant.analog = true;
        variant.switchOutputs = 3;
    }
    return variant;
}

std::optional<std::string> applyVariantWords(Line line, std::string_view words, Variant& variant) {
    const bool rdx = line == Line::Qf8200Rdx;
    for (const std::string& word : splitAt(words, ',')) {
        std::string w = toUpper(word);
        if (w == "SWITCH") variant.analog = false;
        else if (w == "ANALOG") variant.analog = true;
        else if (w == "V1") variant.firmwareV2 = false;
        else if (w == "V2") variant.firmwareV2 = true;
        else if (rdx && w == "2OUT") variant.switchOutputs = 2;
        else if (rdx && w == "3OUT") variant.switchOutputs = 3;
        else if (rdx && w == "INCL") variant.inclination = true;
        else if (rdx && w == "NOINCL") variant.inclination = false;
        else return "unknown variant \"" + word + "\" for line " + lineName(line);
    }
    return std::nullopt;
}

}  // namespace sensorsim
