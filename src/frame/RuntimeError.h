#pragma once
#include <QString>
#include <stdexcept>

// A numbered run-time error in the style the program's conversions report
// them: a number, the routine that raised it and a description. Callers that
// run "statement by statement" catch it around the one statement that failed.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const QString& source, const QString& description)
        : std::runtime_error(description.toStdString()), number_(number), source_(source),
          description_(description) {}

    int Number() const { return number_; }
    const QString& Source() const { return source_; }
    const QString& Description() const { return description_; }

private:
    int number_;
    QString source_;
    QString description_;
};
