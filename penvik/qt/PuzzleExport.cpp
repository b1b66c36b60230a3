#include "penvik/qt/PuzzleExport.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "penvik/Hyphenation.h"
#include "penvik/qt/PuzzlePainter.h"
#include "penvik/qt/Texts.h"
#include "platform/Files.h"

namespace penvik {

namespace {

constexpr double kMmPerInch = 25.4;
// The SVG's user units: a tenth of a millimetre, fine enough for text.
constexpr int kSvgDpi = 254;

bool writeWhole(const std::string& path, const QByteArray& bytes, std::string& error) {
  if (vorkel::Files::writeFileAtomically(
          path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
    return true;
  error = path + ": filen kan ikke skrives.";
  return false;
}

QByteArray svgOf(const Page& page, const Hyphenation* hyphenation, std::vector<ClueKey>* unfit) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setResolution(kSvgDpi);
  const double scale = kSvgDpi / kMmPerInch;
  const QSize size(qRound(Page::Width * scale), qRound(Page::Height * scale));
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setTitle(QString::fromStdString(page.title + " " + page.subtitle));
  svg.setDescription(QStringLiteral("Penvik"));
  QPainter painter(&svg);
  painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  paintPage(painter, page, scale, hyphenation, unfit);
  painter.end();
  return buffer.data();
}

}  // namespace

bool savePdf(const std::string& path, const PuzzlePages& pages, std::string& error,
             std::vector<ClueKey>* unfit) {
  const std::unique_ptr<Hyphenation> hyphenation = Hyphenation::load(Hyphenation::DanishPatterns);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    pdf.setTitle(QString::fromStdString(pages.puzzle.subtitle));
    pdf.setCreator(QStringLiteral("Penvik"));
    const double scale = pdf.resolution() / kMmPerInch;
    QPainter painter;
    if (!painter.begin(&pdf)) {
      error = path + ": PDF-filen kan ikke laves.";
      return false;
    }
    paintPage(painter, pages.puzzle, scale, hyphenation.get(), unfit);
    pdf.newPage();
    paintPage(painter, pages.solution, scale, hyphenation.get());
    painter.end();
  }
  return writeWhole(path, buffer.data(), error);
}

ClueFits paperFits(const RawGrid& grid, std::shared_ptr<const Hyphenation> hyphenation) {
  const GridPicture page = layoutPuzzle(grid, Clues{}, "").puzzle.grid;
  return [page, hyphenation](const ClueKey& key, const std::string& text) {
    const ClueBox* box = page.clueBox(key);
    return box != nullptr && fitsOnPaper(text, *box, page.cellSize, hyphenation.get());
  };
}

QString unfitClueMessage(const ClueKey& key, const Clues& clues) {
  return texts::unfitClue.arg(key.column + 1)
      .arg(key.row + 1)
      .arg(key.direction == Direction::Across ? texts::acrossWord : texts::downWord)
      .arg(fromCp1252(clues.text(key)));
}

std::string solutionSvgPath(std::string_view puzzlePath) {
  std::string stem(puzzlePath);
  if (stem.size() >= 4 && QString::fromStdString(stem.substr(stem.size() - 4)).toLower() == ".svg")
    stem.resize(stem.size() - 4);
  return stem + "-løsning.svg";
}

bool saveSvg(const std::string& path, const PuzzlePages& pages, std::string& error,
             std::vector<ClueKey>* unfit) {
  const std::unique_ptr<Hyphenation> hyphenation = Hyphenation::load(Hyphenation::DanishPatterns);
  return writeWhole(path, svgOf(pages.puzzle, hyphenation.get(), unfit), error) &&
         writeWhole(solutionSvgPath(path), svgOf(pages.solution, hyphenation.get(), nullptr), error);
}

}  // namespace penvik
