// What an engine runs of a configuration file such as a server's server.cfg: the command buffer
// cuts the file into commands (Cbuf_Execute, code/qcommon/cmd.c), the tokenizer splits each into
// words (Cmd_TokenizeString), and the words decide what runs: which command sets the server
// name, and which loads a map.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/target_game.h"

namespace chromlet {

/// One word of a command as the engine's tokenizer reads it: up to a blank (any byte up to the
/// space, and, the engines' char being signed, any byte of 128 or more), a double quote or a
/// comment, or everything between two double quotes. Comments (// to the end, /* to */) are
/// skipped.
struct CommandWord {
    std::size_t begin = 0;  ///< where it starts in the command: its first byte or its opening quote
    std::size_t end = 0;    ///< just past it: past the closing quote where it has one
    std::string text;       ///< the word as the command gets it, without quotes

    friend bool operator==(const CommandWord&, const CommandWord&) = default;
};

/// The words of one command (Cmd_TokenizeString, the same in every engine).
std::vector<CommandWord> CommandWords(std::string_view command);

/// One command as the command buffer cuts it out of a file.
struct FileCommand {
    std::uint64_t start = 0;  ///< where it starts in the file
    /// What the engine runs: the bytes up to the ';' or line end that ends it, at most
    /// MaxConfigLineBytes of them. Valid during the call that hands it over.
    std::string_view text;
    std::uint64_t line = 1;       ///< the line it starts on, counted from 1
    std::uint64_t lineStart = 0;  ///< where that line starts
    /// The start of the last line at or before it that does not begin inside a comment: a line
    /// put in there runs before this command.
    std::uint64_t openLineStart = 0;
};

/// Receives the commands of a file in order.
class CommandSink {
  public:
    virtual ~CommandSink() = default;
    virtual void Command(const FileCommand& command) = 0;
};

/// Cuts a file, fed in chunks of any size, into the commands the target's engine runs. The engine
/// adds a line end behind the file (Cbuf_InsertText). It reads a file only up to its first zero
/// byte, which no update writes (CheckConfigFile); here one is a byte like any other, and ends the
/// words of its command (CommandWords), so that names after it in a file edited by hand can still
/// be read. A command ends at
/// a line end (LF or CR), or at a ';' outside double quotes; the later engines let a // comment run
/// to the line end across any ';', and a /* */ comment across ';' and line ends, the command
/// ending right after it. A command longer than MaxConfigLineBytes is cut there, the byte after
/// the cut is dropped and the rest runs as the next command (id's 1.32 and ioquake3); Quake3e skips
/// the rest of the command, as far as its quotes and comments take it. Lines, for the line numbers, end at LF, CR LF or CR. Memory stays at one command.
class CommandSplitter {
  public:
    explicit CommandSplitter(TargetGame target);

    void Feed(std::string_view chunk, CommandSink& sink);
    /// Ends the file.
    void Finish(CommandSink& sink);

    /// After Finish: where a line put at the end of the file runs after everything in it: the
    /// file's end, or, where the file ends inside a /* comment, the start of the last line
    /// outside it.
    std::uint64_t OpenEnd() const;

  private:
    void Step(char c, char next, bool nextInFile, CommandSink& sink);
    void Take(char c, char next, CommandSink& sink);
    void Emit(CommandSink& sink);
    void EmitCut(CommandSink& sink);
    void HandOver(CommandSink& sink);
    void Keep(char c);

    bool skipsComments_;
    bool dropsCutRest_;
    bool skippingRest_ = false;
    std::string command_;
    bool inCommand_ = false;
    std::uint64_t commandStart_ = 0;
    std::uint64_t commandLine_ = 1;
    std::uint64_t commandLineStart_ = 0;
    std::uint64_t commandOpenLineStart_ = 0;
    bool quoted_ = false;
    bool inSlashComment_ = false;
    bool inStarComment_ = false;
    bool dropNext_ = false;  // the '/' of a "*/" that ended the command
    std::uint64_t line_ = 1;
    std::uint64_t lineStart_ = 0;
    std::uint64_t openLineStart_ = 0;
    bool hasPending_ = false;
    char pending_ = 0;
    std::uint64_t offset_ = 0;  // of the byte after pending_
    bool endsInComment_ = false;
};

/// Where a command sets the server name, and to what.
struct HostnameSetting {
    std::size_t valueBegin = 0;  ///< in the command: where the words of the value begin
    std::size_t valueEnd = 0;    ///< just past the last of them
    std::string value;           ///< what sv_hostname is set to

    friend bool operator==(const HostnameSetting&, const HostnameSetting&) = default;
};

/// Whether `command` sets sv_hostname in the target's engine, the command word and the cvar's
/// name compared without regard to case (Q_stricmp): with set, seta, sets or setu and a value, or
/// as the cvar's own command with a value (Cvar_Command). ioquake3 takes every word from the
/// value's first on, joined by blanks, for each of them (Cvar_Set_f, Cvar_Command); id's 1.32 does
/// so for set, takes seta, sets and setu only with exactly one word of value (Cvar_SetA_f and its
/// kin print their usage otherwise and set nothing), and the cvar's own command takes its first
/// word.
std::optional<HostnameSetting> HostnameSettingOf(TargetGame target, std::string_view command);

/// Whether `command` starts a game, as a server's config ends: map, devmap, spmap or spdevmap
/// (SV_AddOperatorCommands, code/server/sv_ccmds.c), or vstr, which runs a variable holding
/// them, as a map rotation does.
bool StartsMap(std::string_view command);

/// The commands an engine's command line holds (Com_ParseCommandLine, code/qcommon/common.c):
/// the arguments after the program's own joined by blanks, one that holds a blank in double
/// quotes, into a line of at most MAX_STRING_CHARS - 1 (1023) bytes (main, code/sys/sys_main.c),
/// cut at each '+' outside double quotes and at each line end, 32 commands at most; the first
/// is what stands before the first '+'.
std::vector<std::string> StartupCommands(const std::vector<std::string>& arguments);

/// How an engine reads the "set" commands of its command line before anything else
/// (Com_StartupVariable, code/qcommon/common.c).
struct StartupReading {
    bool setInAnyCase = false;  ///< Quake3e takes "SET" too; id's 1.32 and ioquake3 "set" alone
    bool wholeValue = true;     ///< every word from the third on (ioquake3, Quake3e), else the
                                ///< third alone (id's 1.32)
};

/// What the command line's `commands` set `cvar` to (its name in any case, as cvars are found):
/// the value of the last "set" that names it; nothing where none does.
std::optional<std::string> StartupValue(const std::vector<std::string>& commands,
                                        std::string_view cvar, StartupReading reading);

}  // namespace chromlet
