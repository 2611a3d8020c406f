#include "core/Lines.h"

namespace sensorsim {

std::unique_ptr<LineModel> makeLine(Line line, const Variant& variant) {
    switch (line) {
    case Line::Qf8200: return makeQf8200Line(variant);
    case Line::Qf8200Echo: return makeQf8200EchoLine(variant);
    case Line::Qf8200Rdx: return makeQf8200RdxLine(variant);
    case Line::Qt8200: return makeQt8200Line(variant);
    }
    return nullptr;
}

}  // namespace sensorsim
