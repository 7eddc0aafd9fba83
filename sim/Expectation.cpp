#include "Expectation.h"

#include "InputError.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<std::string_view, Expectation::Operator>, 4> operators { {
    { "==", Expectation::Operator::Equal },
    { "!=", Expectation::Operator::NotEqual },
    { "contains", Expectation::Operator::Contains },
    { "!contains", Expectation::Operator::NotContains },
} };

bool contains(const nlohmann::ordered_json& seen, const nlohmann::ordered_json& part)
{
    return seen.is_string() && part.is_string()
        && seen.get<std::string>().find(part.get<std::string>()) != std::string::npos;
}

} // namespace

Expectation Expectation::parse(std::span<const Tokenizer::Token> words)
{
    if (words.size() < 3)
        throw InputError("expected TARGET.PROPERTY OP VALUE");
    auto probe = Probe::parse(words[0].text, true);
    auto found = std::find_if(
        operators.begin(), operators.end(), [&](auto& entry) { return entry.first == words[1].text; });
    if (words[1].quoted || found == operators.end())
        throw InputError(
            "'" + words[1].text + "' is not an operator (expected ==, !=, contains or !contains)");
    auto op = found->second;
    auto& property = *probe.property();
    if ((op == Operator::Contains || op == Operator::NotContains)
        && property.kind() != ViewProperty::Kind::Text)
        throw InputError(std::string(found->first) + " compares texts; " + property.name() + " is not one");

    // A frame may be written with blanks after its commas.
    std::string value;
    for (auto& word : words.subspan(2))
        value += word.text;
    if (words.size() > 3 && property.kind() != ViewProperty::Kind::Frame)
        throw InputError("expected one value after " + std::string(found->first) + ", found "
            + std::to_string(words.size() - 2));
    return Expectation(std::move(probe), op, property.parseValue(value, words[2].quoted));
}

std::optional<std::string> Expectation::check(const UIView* view) const
{
    auto seen = property().read(view);
    bool met = false;
    switch (m_operator) {
    case Operator::Equal:
        met = ViewProperty::equal(seen, m_value);
        break;
    case Operator::NotEqual:
        met = !ViewProperty::equal(seen, m_value);
        break;
    case Operator::Contains:
        met = contains(seen, m_value);
        break;
    case Operator::NotContains:
        met = !contains(seen, m_value);
        break;
    }
    if (met)
        return std::nullopt;
    return property().format(seen);
}
