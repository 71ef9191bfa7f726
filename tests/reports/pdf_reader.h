#pragma once

#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <QProcess>
#include <QStringList>

// A PDF file read back with poppler-utils; a missing tool fails the test.
namespace quillmark::testing {

// What tool writes on its standard output given these arguments.
inline std::istringstream run_tool(const char* tool, const QStringList& arguments) {
    QProcess process;
    process.start(QString::fromLatin1(tool), arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        ADD_FAILURE() << tool << " (poppler-utils) failed on " << arguments.join(' ').toStdString()
                      << ": " << process.errorString().toStdString()
                      << process.readAllStandardError().toStdString();
    }
    return std::istringstream{process.readAllStandardOutput().toStdString()};
}

struct PdfWord {
    double left, right, top, bottom; // points from the page's top left corner
    std::string text;                // UTF-8, with "&", "<" and ">" as HTML entities
};
struct PdfPage {
    double width, height; // points
    std::vector<PdfWord> words;
};

inline std::vector<PdfPage> pdf_pages(const QString& file) {
    static const std::regex page_tag{R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re"};
    static const std::regex word_tag{
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">(.*)</word>)re"};
    std::istringstream html = run_tool("pdftotext", {"-bbox", file, "-"});
    std::vector<PdfPage> pages;
    for (std::string line; std::getline(html, line);) {
        std::smatch match;
        if (std::regex_search(line, match, page_tag)) {
            pages.push_back({std::stod(match[1]), std::stod(match[2]), {}});
        } else if (std::regex_search(line, match, word_tag) && !pages.empty()) {
            pages.back().words.push_back({std::stod(match[1]), std::stod(match[3]),
                                          std::stod(match[2]), std::stod(match[4]), match[5]});
        }
    }
    return pages;
}

// The fonts the file uses, without the prefix of an embedded subset: below the table's two
// heading lines, each line starts with a font's name.
inline std::set<std::string> pdf_fonts(const QString& file) {
    std::istringstream table = run_tool("pdffonts", {file});
    std::set<std::string> names;
    std::string line;
    std::getline(table, line);
    std::getline(table, line);
    while (std::getline(table, line)) {
        const std::string name = line.substr(0, line.find(' '));
        names.insert(name.substr(name.find('+') + 1));
    }
    return names;
}

} // namespace quillmark::testing
