#pragma once

#include "Probe.h"
#include "Tokenizer.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <span>
#include <string>

class UIView;

// "TARGET.PROPERTY OP VALUE": what a script expects of a view. OP is ==, !=, contains or
// !contains; the last two take texts only.
class Expectation {
public:
    enum class Operator { Equal, NotEqual, Contains, NotContains };

    // The words after "expect". Throws InputError saying what was expected.
    static Expectation parse(std::span<const Tokenizer::Token>);

    const Probe& probe() const { return m_probe; }
    const ViewProperty& property() const { return *m_probe.property(); }

    // Nothing when the view meets it; otherwise the value seen, as a script would write it. The
    // view may be missing where the property reads missing views.
    std::optional<std::string> check(const UIView*) const;

private:
    Expectation(Probe probe, Operator op, nlohmann::ordered_json value)
        : m_probe(std::move(probe))
        , m_operator(op)
        , m_value(std::move(value))
    { }

    Probe m_probe;
    Operator m_operator;
    nlohmann::ordered_json m_value;
};
