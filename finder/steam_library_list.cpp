#include "finder/steam_library_list.h"

#include <cstddef>
#include <optional>

#include "gamedata/ascii_case.h"

namespace finder {
namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsNumber(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

struct Token {
    enum Kind { kText, kOpen, kClose, kEnd } kind = kEnd;
    std::string text;
};

// KeyValues tokens: quoted or bare text, braces; // starts a comment.
class Tokenizer {
public:
    explicit Tokenizer(std::string_view text) : text_(text) {}

    Token Next() {
        SkipSpaceAndComments();
        if (at_ >= text_.size()) {
            return {};
        }
        const char c = text_[at_];
        if (c == '{' || c == '}') {
            ++at_;
            return {c == '{' ? Token::kOpen : Token::kClose, {}};
        }
        if (c == '"') {
            ++at_;
            return ReadQuoted();
        }
        const std::size_t start = at_;
        while (at_ < text_.size() && !IsSpace(text_[at_]) && text_[at_] != '{' &&
               text_[at_] != '}' && text_[at_] != '"') {
            ++at_;
        }
        return {Token::kText, std::string(text_.substr(start, at_ - start))};
    }

private:
    void SkipSpaceAndComments() {
        while (at_ < text_.size()) {
            if (IsSpace(text_[at_])) {
                ++at_;
            } else if (text_.substr(at_, 2) == "//") {
                const std::size_t end = text_.find('\n', at_);
                at_ = end == std::string_view::npos ? text_.size() : end;
            } else {
                return;
            }
        }
    }

    // Steam writes a Windows library as "D:\\SteamLibrary"; an unknown escape
    // keeps its backslash, so a hand-written single one survives too.
    Token ReadQuoted() {
        std::string text;
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (c == '"') {
                return {Token::kText, text};
            }
            if (c != '\\' || at_ >= text_.size()) {
                text.push_back(c);
                continue;
            }
            const char escape = text_[at_++];
            switch (escape) {
                case 'n':
                    text.push_back('\n');
                    break;
                case 't':
                    text.push_back('\t');
                    break;
                case '\\':
                case '"':
                    text.push_back(escape);
                    break;
                default:
                    text.push_back('\\');
                    text.push_back(escape);
            }
        }
        return {};  // unterminated: the file ends inside the text
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace

std::vector<std::string> ReadSteamLibraryFolders(std::string_view vdfText) {
    // Depth 1 is inside "libraryfolders" (old layout: "<n>" "<folder>"),
    // depth 2 inside one library's block (new layout: "path" "<folder>").
    std::vector<std::string> folders;
    Tokenizer tokens(vdfText);
    std::optional<std::string> key;
    std::size_t depth = 0;
    bool inLibraryFolders = false;
    for (Token token = tokens.Next(); token.kind != Token::kEnd; token = tokens.Next()) {
        if (token.kind == Token::kOpen) {
            if (depth == 0) {
                inLibraryFolders = key && gamedata::SameIgnoringAsciiCase(*key, "libraryfolders");
            }
            ++depth;
            key.reset();
        } else if (token.kind == Token::kClose) {
            if (depth == 0) {
                break;
            }
            --depth;
            key.reset();
        } else if (!key) {
            key = std::move(token.text);
        } else {
            if (inLibraryFolders &&
                ((depth == 1 && IsNumber(*key)) ||
                 (depth == 2 && gamedata::SameIgnoringAsciiCase(*key, "path")))) {
                folders.push_back(std::move(token.text));
            }
            key.reset();
        }
    }
    return folders;
}

}  // namespace finder
