#include "pdf_reader.h"

#include <gtest/gtest.h>
#include <regex>
#include <sstream>

#include <QProcess>
#include <QString>
#include <QStringList>

namespace quillmark::testing {
namespace {

QString path_text(const std::filesystem::path& file) {
    return QString::fromStdString(file.string());
}

std::string run_tool(const QString& tool, const QStringList& arguments,
                     const std::filesystem::path& file) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        ADD_FAILURE() << tool.toStdString() << " (from poppler-utils) could not read "
                      << file.string() << ": " << process.errorString().toStdString() << " "
                      << process.readAllStandardError().toStdString();
        return {};
    }
    return process.readAllStandardOutput().toStdString();
}

std::string unescape(std::string text) {
    static const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, character] : entities) {
        for (auto at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1)) {
            text.replace(at, std::char_traits<char>::length(entity), character);
        }
    }
    return text;
}

} // namespace

std::vector<std::string> pdf_lines(const std::filesystem::path& file) {
    std::istringstream text{
        run_tool(QStringLiteral("pdftotext"),
                 {QStringLiteral("-layout"), path_text(file), QStringLiteral("-")}, file)};
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);) {
        std::string squeezed;
        for (char c : line) {
            if (c == '\f') {
                continue;
            }
            if (c != ' ' || (!squeezed.empty() && squeezed.back() != ' ')) {
                squeezed.push_back(c);
            }
        }
        while (!squeezed.empty() && squeezed.back() == ' ') {
            squeezed.pop_back();
        }
        if (!squeezed.empty()) {
            lines.push_back(squeezed);
        }
    }
    return lines;
}

std::vector<PdfPage> pdf_pages(const std::filesystem::path& file) {
    const std::string html =
        run_tool(QStringLiteral("pdftotext"),
                 {QStringLiteral("-bbox"), path_text(file), QStringLiteral("-")}, file);
    static const std::regex page_tag{R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re"};
    static const std::regex word_tag{
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="[0-9.]+" yMax="([0-9.]+)">([^<]*)</word>)re"};
    std::vector<PdfPage> pages;
    std::istringstream lines{html};
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (std::regex_search(line, match, page_tag)) {
            pages.push_back({std::stod(match[1]), std::stod(match[2]), {}});
        } else if (std::regex_search(line, match, word_tag) && !pages.empty()) {
            pages.back().words.push_back({std::stod(match[1]), std::stod(match[2]),
                                          std::stod(match[3]), unescape(match[4])});
        }
    }
    return pages;
}

std::set<std::string> pdf_fonts(const std::filesystem::path& file) {
    std::istringstream table{run_tool(QStringLiteral("pdffonts"), {path_text(file)}, file)};
    std::set<std::string> names;
    std::string line;
    // Below the two lines of the table's heading, each line starts with the font's name.
    std::getline(table, line);
    std::getline(table, line);
    while (std::getline(table, line)) {
        std::string name = line.substr(0, line.find(' '));
        if (const auto subset = name.find('+'); subset != std::string::npos) {
            name.erase(0, subset + 1);
        }
        names.insert(name);
    }
    return names;
}

} // namespace quillmark::testing
