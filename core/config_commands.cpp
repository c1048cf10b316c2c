#include "core/config_commands.h"

#include <algorithm>

#include "core/char_rules.h"
#include "core/config_limits.h"

namespace chromlet {

namespace {

// The engines' char is signed: every byte of 128 or more is below the space, and so a blank.
constexpr bool IsBlank(char c) {
    return c != '\0' && static_cast<signed char>(c) <= ' ';
}

bool At(std::string_view s, std::size_t i, char c) {
    return i < s.size() && s[i] == c;
}

bool IsOneOf(std::string_view word, std::initializer_list<std::string_view> names) {
    for (std::string_view name : names) {
        if (SameAsciiText(word, name)) {
            return true;
        }
    }
    return false;
}

}  // namespace

// Cmd_TokenizeString: blanks and comments between words are skipped; a "/*" without its "*/"
// runs to the end, and its search for the "*/" starts at the "/" itself, so "/*/" is a whole
// comment.
std::vector<CommandWord> CommandWords(std::string_view command) {
    std::vector<CommandWord> words;
    std::size_t i = 0;
    const std::size_t n = command.size();
    while (true) {
        while (true) {
            while (i < n && IsBlank(command[i])) {
                ++i;
            }
            if (i >= n || command[i] == '\0' || (command[i] == '/' && At(command, i + 1, '/'))) {
                return words;
            }
            if (command[i] == '/' && At(command, i + 1, '*')) {
                while (i < n && !(command[i] == '*' && At(command, i + 1, '/'))) {
                    ++i;
                }
                if (i >= n) {
                    return words;
                }
                i += 2;
            } else {
                break;
            }
        }
        CommandWord word;
        word.begin = i;
        if (command[i] == '"') {
            const std::size_t content = ++i;
            while (i < n && command[i] != '"' && command[i] != '\0') {
                ++i;
            }
            word.text = std::string(command.substr(content, i - content));
            if (i >= n || command[i] == '\0') {
                word.end = i;
                words.push_back(std::move(word));
                return words;
            }
            word.end = ++i;
            words.push_back(std::move(word));
            continue;
        }
        while (i < n && command[i] != '\0' && !IsBlank(command[i]) && command[i] != '"' &&
               !(command[i] == '/' && (At(command, i + 1, '/') || At(command, i + 1, '*')))) {
            ++i;
        }
        word.end = i;
        word.text = std::string(command.substr(word.begin, i - word.begin));
        words.push_back(std::move(word));
        if (i >= n) {
            return words;
        }
    }
}

CommandSplitter::CommandSplitter(TargetGame target)
    : skipsComments_(RulesOf(target).commands != CommandReading::Id132),
      dropsCutRest_(RulesOf(target).commands == CommandReading::Quake3e) {
    command_.reserve(MaxConfigLineBytes);
}

void CommandSplitter::Feed(std::string_view chunk, CommandSink& sink) {
    for (char c : chunk) {
        if (hasPending_) {
            Step(pending_, c, true, sink);
        }
        pending_ = c;
        hasPending_ = true;
        ++offset_;
    }
}

void CommandSplitter::Finish(CommandSink& sink) {
    // Cbuf_InsertText puts a line end behind the file, which ends its last command.
    if (hasPending_) {
        Step(pending_, '\n', false, sink);
        hasPending_ = false;
    }
    endsInComment_ = inStarComment_;
    if (inCommand_) {
        Emit(sink);
    }
}

std::uint64_t CommandSplitter::OpenEnd() const {
    return endsInComment_ ? openLineStart_ : offset_;
}

// One byte of the file at offset_ - 1, `next` the byte after it: Cbuf_Execute looks one ahead
// for the comments' two-byte marks.
void CommandSplitter::Step(char c, char next, bool nextInFile, CommandSink& sink) {
    const std::uint64_t at = offset_ - 1;
    const bool endsLine = c == '\n' || (c == '\r' && !(nextInFile && next == '\n'));
    if (dropNext_) {
        dropNext_ = false;
    } else {
        if (!inCommand_) {
            inCommand_ = true;
            commandStart_ = at;
            commandLine_ = line_;
            commandLineStart_ = lineStart_;
            commandOpenLineStart_ = openLineStart_;
        }
        if (command_.size() == MaxConfigLineBytes && dropsCutRest_) {
            // Quake3e runs the cut and skips the rest of the command, as it reads it.
            EmitCut(sink);
            Take(c, next, sink);
        } else if (command_.size() == MaxConfigLineBytes) {
            Emit(sink);  // the byte after the cut is dropped, the rest runs as a command
        } else {
            Take(c, next, sink);
        }
    }
    if (endsLine) {
        ++line_;
        lineStart_ = at + 1;
        if (!inStarComment_) {
            openLineStart_ = at + 1;
        }
    }
}

void CommandSplitter::Take(char c, char next, CommandSink& sink) {
    if (c == '"') {
        quoted_ = !quoted_;
    }
    if (!quoted_) {
        if (skipsComments_) {
            if (!inStarComment_ && c == '/' && next == '/') {
                inSlashComment_ = true;
            } else if (!inSlashComment_ && c == '/' && next == '*') {
                inStarComment_ = true;
            } else if (inStarComment_ && c == '*' && next == '/') {
                // The command ends with the "*"; the "/" is the byte that ended it.
                Keep(c);
                dropNext_ = true;
                Emit(sink);
                return;
            }
        }
        if (c == ';' && !inSlashComment_ && !inStarComment_) {
            Emit(sink);
            return;
        }
    }
    if ((c == '\n' || c == '\r') && !inStarComment_) {
        Emit(sink);
        return;
    }
    Keep(c);
}

void CommandSplitter::Keep(char c) {
    if (!skippingRest_) {
        command_.push_back(c);
    }
}

// The command as it stands, to the sink.
void CommandSplitter::HandOver(CommandSink& sink) {
    FileCommand command;
    command.start = commandStart_;
    command.text = command_;
    command.line = commandLine_;
    command.lineStart = commandLineStart_;
    command.openLineStart = commandOpenLineStart_;
    sink.Command(command);
    command_.clear();
}

// The command as cut, handed over while its quotes and comments go on for the rest.
void CommandSplitter::EmitCut(CommandSink& sink) {
    HandOver(sink);
    skippingRest_ = true;
}

// Every command ends outside any comment, and the next one starts outside quotes; the rest of a
// cut command ends here, unrun.
void CommandSplitter::Emit(CommandSink& sink) {
    if (skippingRest_) {
        skippingRest_ = false;
        command_.clear();
    } else {
        HandOver(sink);
    }
    inCommand_ = false;
    quoted_ = false;
    inSlashComment_ = false;
    inStarComment_ = false;
}

std::optional<HostnameSetting> HostnameSettingOf(TargetGame target, std::string_view command) {
    const std::vector<CommandWord> words = CommandWords(command);
    if (words.empty()) {
        return std::nullopt;
    }
    const bool ioq3 = RulesOf(target).commands != CommandReading::Id132;
    std::size_t first = 0;
    std::size_t last = words.size();
    if (IsOneOf(words[0].text, {"set", "seta", "sets", "setu"})) {
        if (words.size() < 3 || !SameAsciiText(words[1].text, "sv_hostname")) {
            return std::nullopt;
        }
        if (!ioq3 && !SameAsciiText(words[0].text, "set") && words.size() != 3) {
            return std::nullopt;
        }
        first = 2;
    } else if (SameAsciiText(words[0].text, "sv_hostname") && words.size() >= 2) {
        first = 1;
        last = ioq3 ? words.size() : 2;
    } else {
        return std::nullopt;
    }
    HostnameSetting setting;
    setting.valueBegin = words[first].begin;
    setting.valueEnd = words.back().end;
    for (std::size_t i = first; i < last; ++i) {
        setting.value += (i > first ? " " : "") + words[i].text;
    }
    return setting;
}

bool StartsMap(std::string_view command) {
    const std::vector<CommandWord> words = CommandWords(command);
    return !words.empty() && IsOneOf(words[0].text, {"map", "devmap", "spmap", "spdevmap", "vstr"});
}

std::vector<std::string> StartupCommands(const std::vector<std::string>& arguments) {
    constexpr std::size_t MostBytes = 1023;
    constexpr std::size_t MostCommands = 32;
    std::string line;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const bool blank = arguments[i].find(' ') != std::string::npos;
        line += (blank ? "\"" : "") + arguments[i] + (blank ? "\"" : "") + " ";
    }
    line.resize(std::min(line.size(), MostBytes));
    std::vector<std::string> commands(1);
    bool quoted = false;
    for (const char c : line) {
        quoted = c == '"' ? !quoted : quoted;
        if ((c == '+' && !quoted) || c == '\n' || c == '\r') {
            if (commands.size() == MostCommands) {
                break;
            }
            commands.emplace_back();
        } else {
            commands.back().push_back(c);
        }
    }
    return commands;
}

std::optional<std::string> StartupValue(const std::vector<std::string>& commands,
                                        std::string_view cvar, StartupReading reading) {
    std::optional<std::string> value;
    for (const std::string& command : commands) {
        const std::vector<CommandWord> words = CommandWords(command);
        const bool isSet =
            !words.empty() &&
            (reading.setInAnyCase ? SameAsciiText(words[0].text, "set") : words[0].text == "set");
        if (!isSet || words.size() < 2 || !SameAsciiText(words[1].text, cvar)) {
            continue;
        }
        std::string set;
        for (std::size_t i = 2; i < words.size() && (reading.wholeValue || i == 2); ++i) {
            set += (i > 2 ? " " : "") + words[i].text;
        }
        value = set;
    }
    return value;
}

}  // namespace chromlet
