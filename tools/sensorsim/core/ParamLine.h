#pragma once
#include "core/LineModel.h"

#include <functional>
#include <map>

namespace sensorsim {

// Turns a written value into the text the sensor keeps (its own notation);
// nullopt when the sensor refuses it as an invalid parameter.
using Acceptor = std::function<std::optional<std::string>(std::string_view)>;

enum class Access { ReadWrite, ReadOnly, WriteOnly };

// One parameter command of a plain-command line: "KEY" reads, "KEY,VALUE" writes.
struct ParamSpec {
    std::string key;
    std::string factory;  // factory value in the sensor's notation
    Acceptor accept;
    Access access = Access::ReadWrite;
};

// A sensor line that speaks plain parameter commands (QF8200, QF8200RDX,
// QT8200). A parameter the sensor does not have answers 82h; a refused value
// 81h; an accepted write 80h. "DEF", "SUC" and "RUC" act on the stored values.
class ParamLine : public LineModel {
protected:
    using LineModel::LineModel;

    // The parameter exists on this sensor. Define every parameter before the first store().
    void define(ParamSpec spec);
    void alias(const std::string& alias, const std::string& key);
    bool has(const std::string& key) const { return specs_.count(key) != 0; }
    const std::string& stored(const std::string& key) const;
    void store(const std::string& key, std::string value);
    // What the sensor reports for a parameter now: reported() when it says so, else the stored value.
    std::string current(const std::string& key) const;
    // The first comma-separated field of current() as a number (0 when it is none or the parameter is missing).
    long currentNumber(const std::string& key) const;

    // A value the sensor reports in place of the stored one (computed values, values set by DIP switches).
    virtual std::optional<std::string> reported(const std::string& key) const;
    // A write that does more than store the accepted value (a status is its answer); nullopt = store it.
    virtual std::optional<Status> specialWrite(const std::string& key, const std::string& accepted, std::int64_t now);

    std::string lineCommand(const std::string& key, const std::optional<std::string>& value,
                            std::int64_t now) override;
    void restoreFactory() override;
    void storeUserConfig() override;
    void recallUserConfig() override;

private:
    std::map<std::string, ParamSpec> specs_;
    std::map<std::string, std::string> aliases_;
    std::map<std::string, std::string> values_;
    std::map<std::string, std::string> factory_;
    std::map<std::string, std::string> user_;
};

// Acceptors for the common value forms.
Acceptor integerIn(long lowest, long highest, int width = 0);  // stored zero-padded to width digits
Acceptor oneOf(std::vector<std::string> allowed);
Acceptor positiveDecimal();  // a distance such as a reference distance: "1000" or "1000.5", kept as written
// One character per position, each from the characters allowed at that position.
Acceptor charsPerPosition(std::vector<std::string> allowedPerPosition);

}  // namespace sensorsim
