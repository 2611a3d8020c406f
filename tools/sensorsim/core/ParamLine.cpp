#include "core/ParamLine.h"

#include "core/Text.h"

#include <algorithm>

namespace sensorsim {

void ParamLine::define(ParamSpec spec) {
    if (spec.access != Access::WriteOnly) values_[spec.key] = factory_[spec.key] = user_[spec.key] = spec.factory;
    specs_[spec.key] = std::move(spec);
}

void ParamLine::alias(const std::string& alias, const std::string& key) { aliases_[alias] = key; }

const std::string& ParamLine::stored(const std::string& key) const {
    static const std::string none;
    auto it = values_.find(key);
    return it == values_.end() ? none : it->second;
}

void ParamLine::store(const std::string& key, std::string value) { values_[key] = std::move(value); }

std::string ParamLine::current(const std::string& key) const {
    if (!has(key)) return {};
    return reported(key).value_or(stored(key));
}

long ParamLine::currentNumber(const std::string& key) const {
    return parseInteger(splitAt(current(key), ',').front()).value_or(0);
}

std::optional<std::string> ParamLine::reported(const std::string&) const { return std::nullopt; }

std::optional<Status> ParamLine::specialWrite(const std::string&, const std::string&, std::int64_t) {
    return std::nullopt;
}

std::string ParamLine::lineCommand(const std::string& word, const std::optional<std::string>& value,
                                   std::int64_t now) {
    auto aliased = aliases_.find(word);
    const std::string& key = aliased == aliases_.end() ? word : aliased->second;
    auto spec = specs_.find(key);
    if (spec == specs_.end()) return statusAnswer(Status::InvalidCommand);

    if (!value) {
        if (spec->second.access == Access::WriteOnly) return statusAnswer(Status::InvalidCommand);
        return current(key);
    }
    if (spec->second.access == Access::ReadOnly) return statusAnswer(Status::InvalidCommand);
    auto accepted = spec->second.accept(*value);
    if (!accepted) return statusAnswer(Status::InvalidParameter);
    if (auto status = specialWrite(key, *accepted, now)) return statusAnswer(*status);
    store(key, *accepted);
    return statusAnswer(Status::Ok);
}

void ParamLine::restoreFactory() { values_ = factory_; }
void ParamLine::storeUserConfig() { user_ = values_; }
void ParamLine::recallUserConfig() { values_ = user_; }

Acceptor integerIn(long lowest, long highest, int width) {
    return [=](std::string_view text) -> std::optional<std::string> {
        auto number = parseInteger(text);
        if (!number || *number < lowest || *number > highest) return std::nullopt;
        return zeroPadded(*number, width);
    };
}

Acceptor oneOf(std::vector<std::string> allowed) {
    return [allowed = std::move(allowed)](std::string_view text) -> std::optional<std::string> {
        if (std::find(allowed.begin(), allowed.end(), text) == allowed.end()) return std::nullopt;
        return std::string(text);
    };
}

Acceptor positiveDecimal() {
    return [](std::string_view text) -> std::optional<std::string> {
        auto number = parseDecimal(text);
        if (!number || *number <= 0) return std::nullopt;
        return std::string(text);
    };
}

Acceptor charsPerPosition(std::vector<std::string> allowedPerPosition) {
    return [allowed = std::move(allowedPerPosition)](std::string_view text) -> std::optional<std::string> {
        if (text.size() != allowed.size()) return std::nullopt;
        for (std::size_t i = 0; i < text.size(); ++i)
            if (allowed[i].find(text[i]) == std::string::npos) return std::nullopt;
        return std::string(text);
    };
}

}  // namespace sensorsim
