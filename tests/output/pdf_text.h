#pragma once
// What a PDF file says, read back with poppler's tools (poppler-utils).
//
// Qt writes the text map of an embedded font by taking, for each glyph, the
// lowest character the font shows with it. Noto CJK shows many ideographs with
// the glyph of their radical, so "工" reads back as the Kangxi radical "⼯" and
// "页" as "⻚". The text read here turns such radicals back into the
// ideographs the print font draws with the same glyph.
#include <QChar>
#include <QFont>
#include <QRawFont>
#include <QString>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace cw::testing {

// The standard output of a shell command.
inline std::string CommandOutput(const std::string& command) {
  std::string output;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t read;
    while ((read = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, read);
    pclose(pipe);
  }
  return output;
}

// Radicals (U+2E80..U+2FDF) and the ideograph the print font draws alike.
inline const std::map<char32_t, char32_t>& RadicalIdeographs() {
  static const std::map<char32_t, char32_t> map = [] {
    const QRawFont font = QRawFont::fromFont(QFont("Noto Serif CJK SC"));
    auto glyph = [&font](char32_t c) {
      const QList<quint32> glyphs = font.glyphIndexesForString(QString::fromUcs4(&c, 1));
      return glyphs.isEmpty() ? 0u : glyphs.front();
    };
    std::map<quint32, char32_t> ideograph_of_glyph;
    for (char32_t c = 0x4E00; c <= 0x9FFF; ++c) ideograph_of_glyph.emplace(glyph(c), c);
    std::map<char32_t, char32_t> radicals;
    for (char32_t c = 0x2E80; c <= 0x2FDF; ++c) {
      const quint32 g = glyph(c);
      if (g == 0) continue;
      if (auto it = ideograph_of_glyph.find(g); it != ideograph_of_glyph.end()) radicals.emplace(c, it->second);
    }
    return radicals;
  }();
  return map;
}

inline std::string FoldRadicals(const std::string& text) {
  std::u32string chars = QString::fromStdString(text).toStdU32String();
  for (char32_t& c : chars) {
    if (auto it = RadicalIdeographs().find(c); it != RadicalIdeographs().end()) c = it->second;
  }
  return QString::fromStdU32String(chars).toStdString();
}

// `text` without its spaces: pdftotext drops the narrow ones of a CJK font.
inline std::string NoSpaces(std::string text) {
  std::erase(text, ' ');
  return text;
}

// The text of each page of a PDF file, in reading order.
inline std::vector<std::string> PdfPages(const std::string& pdf) {
  std::vector<std::string> pages;
  const std::string text = FoldRadicals(CommandOutput("pdftotext -layout '" + pdf + "' - 2>/dev/null"));
  std::size_t start = 0;
  // pdftotext ends every page with a form feed.
  for (std::size_t end; (end = text.find('\f', start)) != std::string::npos; start = end + 1) {
    pages.push_back(text.substr(start, end - start));
  }
  return pages;
}

// The left edge, in points, of the first word `word` of a PDF file; -1 when absent.
inline double PdfWordLeft(const std::string& pdf, const std::string& word) {
  const std::string boxes = FoldRadicals(CommandOutput("pdftotext -bbox '" + pdf + "' - 2>/dev/null"));
  const std::size_t at = boxes.find(">" + word + "</word>");
  if (at == std::string::npos) return -1;
  const std::size_t x = boxes.rfind("xMin=\"", at);
  return std::stod(boxes.substr(x + 6));
}

}  // namespace cw::testing
