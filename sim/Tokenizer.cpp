#include "Tokenizer.h"

#include "InputError.h"

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

} // namespace

std::vector<Tokenizer::Token> Tokenizer::split(std::string_view line)
{
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < line.size()) {
        if (isBlank(line[i])) {
            ++i;
            continue;
        }
        Token token;
        if (line[i] != '"') {
            while (i < line.size() && !isBlank(line[i]))
                token.text += line[i++];
            tokens.push_back(std::move(token));
            continue;
        }
        token.quoted = true;
        ++i;
        while (true) {
            if (i == line.size())
                throw InputError("a text in double quotes is not closed");
            char c = line[i++];
            if (c == '"')
                break;
            if (c == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\' || line[i] == 'n')) {
                c = line[i] == 'n' ? '\n' : line[i];
                ++i;
            }
            token.text += c;
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}
