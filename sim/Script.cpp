#include "Script.h"

#include "Duration.h"
#include "InputError.h"
#include "NumberText.h"
#include "PreferenceFile.h"
#include "ProfileDate.h"
#include "Verbs.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include "orblib/AppListFile.h"

#include <fstream>
#include <iterator>

namespace {

using Token = Tokenizer::Token;

bool isUTF8(std::string_view text)
{
    for (size_t i = 0; i < text.size();) {
        auto byte = static_cast<unsigned char>(text[i]);
        size_t length = byte < 0x80 ? 1 : (byte >> 5) == 0x6 ? 2 : (byte >> 4) == 0xe ? 3 : (byte >> 3) == 0x1e ? 4 : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xc0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

// What a user wrote, shown back in a message: at most a screen line of it, and bytes that are
// not printable text as \xNN, so a binary file or a megabyte line gives a readable message.
std::string quote(std::string_view text)
{
    constexpr size_t shown = 60;
    bool utf8 = isUTF8(text);
    std::string quoted = "'";
    for (size_t i = 0; i < text.size() && i < shown; ++i) {
        auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 || byte == 0x7f || (byte >= 0x80 && !utf8)) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            quoted += escaped;
        } else {
            quoted += text[i];
        }
    }
    if (text.size() > shown)
        quoted += "...' (" + std::to_string(text.size()) + " bytes)";
    else
        quoted += "'";
    return quoted;
}

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (true) {
        auto end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

std::optional<double> level(std::string_view text)
{
    if (text.ends_with('%')) {
        auto percent = NumberText::parse(text.substr(0, text.size() - 1));
        if (percent && *percent >= 0 && *percent <= 100)
            return *percent / 100;
        return std::nullopt;
    }
    auto number = NumberText::parse(text);
    return number && *number >= 0 && *number <= 1 ? number : std::nullopt;
}

bool isHexColour(std::string_view text)
{
    return text.size() == 7 && text[0] == '#'
        && text.find_first_not_of("0123456789abcdefABCDEF", 1) == std::string_view::npos;
}

// Reads one word as the argument the placeholder names.
void readArgument(std::string_view placeholder, const Token& word, Command& command)
{
    auto& text = word.text;
    if (placeholder.find('|') != std::string_view::npos) {
        for (auto choice : split(placeholder, '|')) {
            if (!word.quoted && text == choice) {
                command.choice = text;
                return;
            }
        }
        throw InputError("expected " + std::string(placeholder) + ", not " + quote(text));
    }
    if (placeholder == "DURATION") {
        command.duration = Duration::parse(text);
        if (!command.duration)
            throw InputError("expected a duration such as 500ms, 30s, 5m or 2h, at most "
                + std::string(Duration::maximumText) + ", not " + quote(text));
    } else if (placeholder == "TARGET") {
        command.target = Target::parse(text);
        if (!command.target)
            throw InputError(
                "expected a target (an identifier, a class name, a path of them separated by /, or X,Y), not "
                + quote(text));
    } else if (placeholder == "POINT") {
        auto target = Target::parse(text);
        if (!target || !target->point())
            throw InputError("expected a point X,Y in points, not " + quote(text));
        command.point = target->point();
    } else if (placeholder == "TARGET[.PROPERTY]") {
        command.probe = Probe::parse(text, false);
    } else if (placeholder == "LEVEL") {
        command.number = level(text);
        if (!command.number)
            throw InputError("expected a battery level from 0 to 1 or 0% to 100%, not " + quote(text));
    } else if (placeholder == "RATE") {
        command.rate = NumberText::parse(text);
        if (!command.rate)
            throw InputError(
                "expected a change of the level per hour (-0.1 drains a tenth an hour), not " + quote(text));
    } else if (placeholder == "VOLUME") {
        command.number = level(text);
        if (!command.number)
            throw InputError("expected a volume from 0 to 1 or 0% to 100%, not " + quote(text));
    } else if (placeholder == "ID") {
        if (!orblib::AppListFile::canHold(text))
            throw InputError("expected a bundle identifier (not empty, without \":\" or a line break), not "
                + quote(text));
        command.identifiers.push_back(text);
    } else if (placeholder == "EDGE") {
        if (text != "1" && text != "8")
            throw InputError("expected the edge 1 or 8, not " + quote(text));
        command.number = text == "1" ? 1 : 8;
    } else if (placeholder == "KEY") {
        if (!PreferenceFile::isKnownKey(text))
            throw InputError(quote(text)
                + " is not a preference key (expected one such as location, militaryTime, weatherColor)");
        command.name = text;
    } else if (placeholder == "VALUE") {
        PreferenceFile::storedValue(word);
        command.value = word;
    } else if (placeholder == "TITLE" || placeholder == "URL") {
        command.name = text;
    } else if (placeholder == "SCHEME") {
        if (text.empty() || !std::all_of(text.begin(), text.end(), [](unsigned char c) {
                return std::isalnum(c) || c == '+' || c == '-' || c == '.';
            }))
            throw InputError("expected a URL scheme such as twitter, not " + quote(text));
        command.name = text;
    } else if (placeholder == "START" || placeholder == "END" || placeholder == "DUE"
        || placeholder == "DATE") {
        if (!ProfileDate::parse(text))
            throw InputError("expected " + std::string(ProfileDate::expected) + ", not " + quote(text));
        command.fields.emplace(placeholder, text);
    } else if (placeholder == "COLOUR") {
        if (!isHexColour(text))
            throw InputError("expected a colour #rrggbb, not " + quote(text));
        command.fields.emplace(placeholder, text);
    } else if (placeholder == "CALENDAR" || placeholder == "APP" || placeholder == "TEXT") {
        command.fields.emplace(placeholder, text);
    } else if (placeholder.starts_with("FILE")) {
        auto extension = placeholder.substr(4);
        if (text.size() <= extension.size() || !text.ends_with(extension))
            throw InputError(
                "expected a file name ending in " + std::string(extension) + ", not " + quote(text));
        command.name = text;
    }
}

void readArguments(const Verbs::Verb& verb, std::span<const Token> words, Command& command)
{
    auto usage = "(expected " + std::string(verb.name) + (verb.form.empty() ? "" : " ")
        + std::string(verb.form) + ")";
    size_t next = 0;
    for (auto placeholder : verb.form.empty() ? std::vector<std::string_view>() : split(verb.form, ' ')) {
        if (placeholder == "TARGET.PROPERTY") {
            command.expectation = Expectation::parse(words.subspan(next));
            return;
        }
        bool repeated = placeholder.ends_with("...");
        if (repeated)
            placeholder.remove_suffix(3);
        bool optional = placeholder.starts_with('[') && placeholder.ends_with(']');
        if (optional)
            placeholder = placeholder.substr(1, placeholder.size() - 2);
        if (next == words.size()) {
            if (optional)
                return;
            throw InputError("missing " + std::string(placeholder) + " " + usage);
        }
        readArgument(placeholder, words[next++], command);
        while (repeated && next < words.size())
            readArgument(placeholder, words[next++], command);
    }
    if (next < words.size())
        throw InputError("unexpected " + quote(words[next].text) + " " + usage);
}

} // namespace

Command Script::parseCommand(std::string_view line, const std::string& where)
{
    Command command;
    command.where = where;
    try {
        if (line.size() > maximumLine)
            throw InputError("a line of " + std::to_string(line.size()) + " bytes (at most "
                + std::to_string(maximumLine) + ")");
        command.line = std::string(line);
        auto words = Tokenizer::split(line);
        if (words.empty())
            throw InputError("expected a command");
        auto second = words.size() > 1 ? std::string_view(words[1].text) : std::string_view();
        auto* verb = words[0].quoted ? nullptr : Verbs::find(words[0].text, second);
        if (!verb) {
            auto forms = Verbs::formsBeginningWith(words[0].text);
            if (!forms.empty())
                throw InputError("expected " + forms);
            throw InputError("unknown verb " + quote(words[0].text) + " (lumora-sim --help lists the verbs)");
        }
        command.verb = verb->name;
        auto consumed = verb->name.find(' ') == std::string_view::npos ? 1 : 2;
        readArguments(*verb, std::span<const Token>(words).subspan(consumed), command);
    } catch (const InputError& error) {
        throw InputError(where + ": " + error.what());
    }
    return command;
}

std::vector<Command> Script::parse(std::string_view text, const std::string& name)
{
    std::vector<Command> commands;
    int number = 0;
    for (auto line : split(text, '\n')) {
        ++number;
        auto first = line.find_first_not_of(" \t\r");
        if (first == std::string_view::npos || line[first] == '#')
            continue;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        commands.push_back(parseCommand(line.substr(first), name + ":" + std::to_string(number)));
    }
    return commands;
}

std::vector<Command> Script::readFile(const std::filesystem::path& path)
{
    std::error_code error;
    std::ifstream file(path, std::ios::binary);
    if (!std::filesystem::is_regular_file(path, error) || !file)
        throw InputError(path.string() + ": cannot read the script file");
    std::string text { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
    if (file.bad())
        throw InputError(path.string() + ": cannot read the script file");
    return parse(text, path.string());
}
