#pragma once
#include <QStringList>
#include <functional>

// Stand-in for the print spooler's port enumeration (level 2), the last source
// of port names: every serial port of the machine as "name:", the way the
// spooler reports ports ("COM1:", "LPT1:").
namespace PrintSpooler {

QStringList EnumPorts();

// Answers EnumPorts instead of the machine (tests); an empty source restores it.
using Source = std::function<QStringList()>;
void SetSource(Source source);

}  // namespace PrintSpooler
