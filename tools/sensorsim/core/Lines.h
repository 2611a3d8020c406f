#pragma once
#include "core/Config.h"
#include "core/LineModel.h"

#include <memory>

namespace sensorsim {

// The simulated sensor of a line and variant, with factory values.
std::unique_ptr<LineModel> makeLine(Line line, const Variant& variant);

std::unique_ptr<LineModel> makeQf8200Line(const Variant& variant);
std::unique_ptr<LineModel> makeQf8200EchoLine(const Variant& variant);
std::unique_ptr<LineModel> makeQf8200RdxLine(const Variant& variant);
std::unique_ptr<LineModel> makeQt8200Line(const Variant& variant);

}  // namespace sensorsim
