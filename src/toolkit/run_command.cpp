#include "command_line.h"
#include "operations.h"
#include "runtime.h"

#include <string>
#include <vector>

namespace toolkit {

// Words are separated by spaces and tabs; double quotes group a word that
// holds spaces and are themselves dropped. Nothing else is special: the words
// reach the program exactly as written.
std::vector<std::string> split_command_line(std::string_view line)
{
    std::vector<std::string> words;
    std::string word;
    bool in_word = false;
    bool quoted = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
            in_word = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (in_word)
                words.push_back(std::move(word));
            word.clear();
            in_word = false;
        } else {
            word += c;
            in_word = true;
        }
    }
    if (in_word)
        words.push_back(std::move(word));
    return words;
}

// The program never waits for a launched process to end, and every process
// is shown normally: wait and show only keep the operation's shape.
bool run_command(std::string_view command_line, bool /*wait*/, bool /*show*/)
{
    require_gui_thread();
    std::vector<std::string> words = split_command_line(command_line);
    if (words.empty())
        return false;
    // The system's file explorer, given a web address, opens it.
    if (words.front() == "explorer" || words.front() == "explorer.exe")
        words.front() = kSystemOpener;
    return runtime().platform->launch(words);
}

} // namespace toolkit
