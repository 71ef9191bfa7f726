#include "pdf_reader.h"

#include <gtest/gtest.h>
#include <regex>
#include <sstream>

#include <QProcess>
#include <QStringList>

namespace quillmark::testing {
namespace {

// What tool writes on its standard output when given the file (and "-", for pdftotext).
std::istringstream run_tool(const char* tool, const std::filesystem::path& file,
                            QStringList arguments = {}) {
    arguments << QString::fromStdString(file.string());
    if (std::string_view{tool} == "pdftotext") {
        arguments << QStringLiteral("-");
    }
    QProcess process;
    process.start(QString::fromLatin1(tool), arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        ADD_FAILURE() << tool << " (poppler-utils) could not read " << file << ": "
                      << process.errorString().toStdString()
                      << process.readAllStandardError().toStdString();
    }
    return std::istringstream{process.readAllStandardOutput().toStdString()};
}

} // namespace

std::vector<std::string> pdf_lines(const std::filesystem::path& file) {
    static const std::regex blanks{"[ \f]+"};
    std::istringstream text = run_tool("pdftotext", file, {QStringLiteral("-layout")});
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);) {
        line = std::regex_replace(" " + line + " ", blanks, " ");
        if (line != " ") {
            lines.push_back(line.substr(1, line.size() - 2));
        }
    }
    return lines;
}

std::vector<PdfPage> pdf_pages(const std::filesystem::path& file) {
    static const std::regex page_tag{R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re"};
    static const std::regex word_tag{
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="[0-9.]+" yMax="([0-9.]+)">(.*)</word>)re"};
    std::istringstream html = run_tool("pdftotext", file, {QStringLiteral("-bbox")});
    std::vector<PdfPage> pages;
    for (std::string line; std::getline(html, line);) {
        std::smatch match;
        if (std::regex_search(line, match, page_tag)) {
            pages.push_back({std::stod(match[1]), std::stod(match[2]), {}});
        } else if (std::regex_search(line, match, word_tag) && !pages.empty()) {
            pages.back().words.push_back(
                {std::stod(match[1]), std::stod(match[2]), std::stod(match[3]), match[4]});
        }
    }
    return pages;
}

std::set<std::string> pdf_fonts(const std::filesystem::path& file) {
    std::istringstream table = run_tool("pdffonts", file);
    std::set<std::string> names;
    std::string line;
    // Below the table's two heading lines, each line starts with a font's name.
    for (int heading = 0; heading < 2; ++heading) {
        std::getline(table, line);
    }
    while (std::getline(table, line)) {
        const std::string name = line.substr(0, line.find(' '));
        names.insert(name.substr(name.find('+') + 1));
    }
    return names;
}

} // namespace quillmark::testing
