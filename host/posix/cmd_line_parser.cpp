#include "host/posix/cmd_line_parser.h"

#include <string>
#include <string_view>

#include "host/posix/characters.h"

namespace tarnwick::posix {

namespace {

bool EndsTarget(char c) {
    return IsBlank(c) || c == '&' || c == '>' || c == '<' || c == '|';
}

bool HoldsSomething(std::string_view text) {
    return text.find_first_not_of(" \t") != std::string_view::npos;
}

// The operator that ends a command; the end of the line ends it like "&".
enum class Joint { Sequence, And, Or };

class LineScanner {
public:
    explicit LineScanner(std::string_view line) : line_(line) {}

    std::optional<CmdLine> Commands() {
        std::string text;
        bool quoted = false;
        while (at_ < line_.size()) {
            const char c = line_[at_];
            if (c == '"') {
                quoted = !quoted;
                text += c;
                ++at_;
            } else if (quoted) {  // NOLINT(bugprone-branch-clone): ahead of the rules below
                AppendCharacter(text);
            } else if (c == '^') {
                ++at_;
                if (at_ < line_.size()) {
                    AppendCharacter(text);
                }
            } else if (const std::optional<Joint> joint = ReadJoint()) {
                if (!Finish(text, *joint)) {
                    return std::nullopt;
                }
            } else if (StartsRedirection(text)) {
                std::optional<Redirection> redirection = ReadRedirection();
                if (!redirection) {
                    return std::nullopt;
                }
                current_.redirections.push_back(std::move(*redirection));
            } else {
                AppendCharacter(text);
            }
        }
        if (!Finish(text, Joint::Sequence)) {
            return std::nullopt;
        }
        return std::move(parsed_);
    }

private:
    static bool IsHandleDigit(char c) { return c == '1' || c == '2'; }

    // ">" here, or "1>"/"2>" where the digit starts a word.
    bool StartsRedirection(const std::string& text) const {
        if (line_[at_] == '>') {
            return true;
        }
        const bool wordStart = text.empty() || IsBlank(text.back());
        return wordStart && IsHandleDigit(line_[at_]) && at_ + 1 < line_.size() &&
               line_[at_ + 1] == '>';
    }

    std::optional<Redirection> ReadRedirection() {
        Redirection redirection;
        if (line_[at_] != '>') {
            redirection.handle = line_[at_] - '0';
            ++at_;
        }
        ++at_;  // '>'
        if (at_ < line_.size() && line_[at_] == '>') {
            redirection.kind = Redirection::AppendToFile;
            ++at_;
        } else if (at_ + 1 < line_.size() && line_[at_] == '&' && IsHandleDigit(line_[at_ + 1])) {
            redirection.kind = Redirection::ToHandle;
            redirection.sourceHandle = line_[at_ + 1] - '0';
            at_ += 2;
            return redirection;
        }
        while (at_ < line_.size() && IsBlank(line_[at_])) {
            ++at_;
        }
        std::string file;
        bool quoted = false;
        while (at_ < line_.size() && (quoted || !EndsTarget(line_[at_]))) {
            if (line_[at_] == '"') {
                quoted = !quoted;
                ++at_;
            } else if (!quoted && line_[at_] == '^' && at_ + 1 < line_.size()) {
                ++at_;
                AppendCharacter(file);
            } else {
                AppendCharacter(file);
            }
        }
        if (file.empty()) {
            return std::nullopt;
        }
        redirection.file = Text::FromBytes(std::move(file));
        return redirection;
    }

    void AppendCharacter(std::string& to) {
        const std::size_t length = CharacterLength(line_, at_);
        to.append(line_.substr(at_, length));
        at_ += length;
    }

    // "&", "&&" or "||" here, read.
    std::optional<Joint> ReadJoint() {
        const bool doubled = at_ + 1 < line_.size() && line_[at_ + 1] == line_[at_];
        if (line_[at_] == '&') {
            at_ += doubled ? 2 : 1;
            return doubled ? Joint::And : Joint::Sequence;
        }
        if (line_[at_] == '|' && doubled) {
            at_ += 2;
            return Joint::Or;
        }
        return std::nullopt;
    }

    // Ends the command read so far at `joint`. False when "&&" or "||" has an empty side.
    bool Finish(std::string& text, Joint joint) {
        if (HoldsSomething(text) || !current_.redirections.empty()) {
            current_.text = Text::FromBytes(std::move(text));
            andChain_.push_back(std::move(current_));
        } else if (joint != Joint::Sequence || before_ != Joint::Sequence) {
            return false;
        }
        current_ = CmdCommand{};
        text.clear();
        before_ = joint;
        if (joint != Joint::And && !andChain_.empty()) {
            orChain_.push_back(std::move(andChain_));
            andChain_.clear();
        }
        if (joint == Joint::Sequence && !orChain_.empty()) {
            parsed_.push_back(std::move(orChain_));
            orChain_.clear();
        }
        return true;
    }

    std::string_view line_;
    std::size_t at_ = 0;
    CmdCommand current_;
    AndChain andChain_;
    OrChain orChain_;
    CmdLine parsed_;
    Joint before_ = Joint::Sequence;  // the operator in front of the current command
};

}  // namespace

std::optional<CmdLine> ParseCmdLine(const Text& line) {
    return LineScanner(line.bytes()).Commands();
}

std::optional<Text> CmdScript(const Text& afterCmd) {
    std::string_view rest = afterCmd.bytes();
    const std::size_t switchAt = rest.find_first_not_of(" \t");
    if (switchAt == std::string_view::npos || rest.size() - switchAt < 2 || rest[switchAt] != '/' ||
        (AsciiLower(rest[switchAt + 1]) != 'c' && AsciiLower(rest[switchAt + 1]) != 'k')) {
        return std::nullopt;
    }
    rest.remove_prefix(switchAt + 2);
    const std::size_t scriptAt = rest.find_first_not_of(" \t");
    if (scriptAt == std::string_view::npos) {
        return Text();
    }
    rest.remove_prefix(scriptAt);
    std::string script(rest);
    if (script.front() == '"') {
        script.erase(0, 1);
        const std::size_t lastQuote = script.rfind('"');
        if (lastQuote != std::string::npos) {
            script.erase(lastQuote, 1);
        }
    }
    return Text::FromBytes(std::move(script));
}

std::vector<Text> SplitCmdWords(const Text& command) {
    const std::string_view line = command.bytes();
    std::vector<Text> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (std::size_t at = 0; at < line.size();) {
        if (line[at] == '"') {
            quoted = !quoted;
            inWord = true;
            ++at;
        } else if (!quoted && IsBlank(line[at])) {
            if (inWord) {
                words.push_back(Text::FromBytes(std::move(word)));
                word.clear();
                inWord = false;
            }
            ++at;
        } else {
            const std::size_t length = CharacterLength(line, at);
            word.append(line.substr(at, length));
            inWord = true;
            at += length;
        }
    }
    if (inWord) {
        words.push_back(Text::FromBytes(std::move(word)));
    }
    return words;
}

}  // namespace tarnwick::posix
