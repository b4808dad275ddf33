#include "ManPage.h"

#include <cstdio>
#include <cstring>

namespace orbenza::cli {

namespace {

// Text for roff: backslashes and hyphens escaped, and no line starting with
// a control character.
std::string roffText(const std::string& text) {
    std::string out;
    bool lineStart = true;
    for (char c : text) {
        if (lineStart && (c == '.' || c == '\''))
            out += "\\&";
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
        lineStart = c == '\n';
    }
    return out;
}

// Paragraphs of pre-wrapped text: lines joined, blank lines start a new one.
std::string paragraphs(const std::string& text) {
    std::string out;
    std::size_t start = 0;
    bool open = false;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        if (line.find_first_not_of(' ') == std::string::npos) {
            open = false;
            continue;
        }
        if (!open)
            out += ".PP\n";
        open = true;
        out += roffText(line.substr(line.find_first_not_of(' '))) + "\n";
    }
    return out;
}

std::string upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string optionEntry(const CLI::Option& option) {
    std::string names;
    for (const auto& s : option.get_snames())
        names += (names.empty() ? "" : ", ") + std::string("\\fB\\-") + s + "\\fR";
    for (const auto& l : option.get_lnames())
        names += (names.empty() ? "" : ", ") + std::string("\\fB\\-\\-") + roffText(l) + "\\fR";
    if (!option.nonpositional())
        names = "\\fI" + roffText(option.get_name(true)) + "\\fR";
    else if (option.get_expected_max() > 0 && !option.get_type_name().empty()) {
        // A long list of the values taken ("{placidus,koch,...}") breaks
        // after its commas rather than running past the page.
        std::string type;
        for (char c : option.get_type_name())
            type += c == ',' ? std::string(", ") : std::string(1, c);
        names += " \\fI" + roffText(type) + "\\fR";
    }
    std::string text = roffText(option.get_description());
    if (!option.get_default_str().empty())
        text += " (default: " + roffText(option.get_default_str()) + ")";
    if (option.get_required())
        text += " (required)";
    return ".TP\n" + names + "\n" + text + "\n";
}

// The app's options; a subcommand's own --help is left out (the page says it
// once).
std::string optionList(const CLI::App& app, bool withHelp) {
    std::string out;
    for (const CLI::Option* option : app.get_options()) {
        const bool help = option == app.get_help_ptr();
        // An empty group hides an option from --help.
        if (!option->get_group().empty() && (withHelp || !help))
            out += optionEntry(*option);
    }
    return out;
}

std::string synopsis(const CLI::App& app, const std::string& command) {
    std::string out = ".B " + roffText(command) + "\n";
    if (!app.get_subcommands([](const CLI::App*) { return true; }).empty())
        out += "[\\fIOPTIONS\\fR] \\fICOMMAND\\fR [\\fICOMMAND OPTIONS\\fR]\n";
    else
        out += "[\\fIOPTIONS\\fR]\n";
    return out;
}

} // namespace

bool asksForManPage(int argc, char** argv) {
    return argc > 1 && std::strcmp(argv[1], kManPageOption) == 0;
}

std::string manPage(const CLI::App& app, const ManPageHead& head) {
    const std::string description = app.get_description();
    const std::size_t sentence = description.find(". ");
    std::string out = ".TH " + upper(head.name) + " 1 \"\" \"" + roffText(head.version) +
                      "\" \"User Commands\"\n";
    out +=
        ".SH NAME\n" + roffText(head.name) + " \\- " +
        roffText(description.substr(0, std::min(sentence, description.find_last_not_of('.') + 1))) +
        "\n";
    out += ".SH SYNOPSIS\n" + synopsis(app, head.command);
    for (const std::string& line : head.moreSynopsis)
        out += ".br\n" + line + "\n";
    out += ".SH DESCRIPTION\n" + paragraphs(description);
    out += ".SH OPTIONS\n" + optionList(app, true);
    const auto subcommands = app.get_subcommands([](const CLI::App*) { return true; });
    if (!subcommands.empty()) {
        out += ".SH COMMANDS\n";
        for (const CLI::App* sub : subcommands) {
            out += ".SS " + roffText(sub->get_name()) + "\n" + paragraphs(sub->get_description());
            const std::string options = optionList(*sub, false);
            if (!options.empty())
                out += ".PP\n" + options;
        }
    }
    if (!app.get_footer().empty())
        out += ".SH NOTES\n" + paragraphs(app.get_footer());
    if (!head.seeAlso.empty()) {
        out += ".SH SEE ALSO\n";
        for (std::size_t i = 0; i < head.seeAlso.size(); ++i) {
            const std::string& page = head.seeAlso[i];
            const std::size_t paren = page.find('(');
            out += ".BR " + roffText(page.substr(0, paren)) + " " + page.substr(paren) +
                   (i + 1 < head.seeAlso.size() ? "," : "") + "\n";
        }
    }
    return out;
}

int printManPage(const CLI::App& app, const ManPageHead& head) {
    const std::string page = manPage(app, head);
    std::fwrite(page.data(), 1, page.size(), stdout);
    if (std::fflush(stdout) != 0) {
        std::fputs("orbenza-cli: cannot write to standard output\n", stderr);
        return 2;
    }
    return 0;
}

} // namespace orbenza::cli
