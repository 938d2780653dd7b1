#include "home/ui/home_wnd.h"

#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QMovie>
#include <QVBoxLayout>

#include "calendar/calendar.h"
#include "home/home_texts.h"
#include "home/ui/table_html.h"
#include "home/welcome.h"
#include "ui/qt_colour.h"

namespace cw {
namespace {

constexpr int kPictureBox = 200;
constexpr int kPictureFrame = 2;

QLabel* RichLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::RichText);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextBrowserInteraction);
  label->setOpenExternalLinks(false);
  return label;
}

}  // namespace

CHomeWnd::CHomeWnd(HomePageUser user, QWidget* parent, int today)
    : QScrollArea(parent), user_(std::move(user)), today_(today) {
  setWidgetResizable(true);
  setFrameShape(QFrame::NoFrame);
}

CHomeWnd::~CHomeWnd() {
  if (movie_) movie_->stop();
}

const HomeFigures& CHomeWnd::Figures() {
  if (!figures_) figures_ = MakeHomeFigures(today_ > 0 ? today_ : Today(), user_.welcome_word);
  return *figures_;
}

bool CHomeWnd::PictureIsPlaying() const { return movie_ && movie_->state() == QMovie::Running; }

void CHomeWnd::SetColours(const ThemeColours& colours) {
  if (colours == user_.colours) return;
  user_.colours = colours;
  // The tables carry the caption colour in their text: the page is built again
  // from the figures already computed.
  if (page_) Build();
}

void CHomeWnd::showEvent(QShowEvent* event) {
  if (!page_) Build();
  QScrollArea::showEvent(event);
}

void CHomeWnd::Refresh() {
  figures_.reset();
  Build();
}

void CHomeWnd::Build() {
  if (movie_) movie_->stop();
  movie_ = nullptr;
  picture_ = nullptr;
  const HomeFigures& figures = Figures();

  // The old page (with its movie) goes with the scroll area's widget.
  // The page is see-through: the viewport under it carries the main colour
  // or, in the home module, the user's background.
  page_ = new QWidget;
  QPalette palette = viewport()->palette();
  palette.setColor(viewport()->backgroundRole(), StoredColour(user_.colours[kMainColour]));
  viewport()->setPalette(palette);

  auto* outer = new QVBoxLayout(page_);
  outer->setContentsMargins(16, 16, 16, 16);
  auto* top = new QHBoxLayout;
  outer->addLayout(top);
  picture_ = new QLabel(page_);
  picture_->setFrameShape(QFrame::Box);
  picture_->setLineWidth(kPictureFrame);
  top->addWidget(picture_, 0, Qt::AlignTop);
  LoadPicture();

  auto* words = new QVBoxLayout;
  top->addLayout(words, 1);
  auto* date = RichLabel(page_);
  const DateLine& line = figures.date_line;
  date->setText(QString::fromStdString(line.before).toHtmlEscaped() + "<font color=\"red\">" +
                QString::fromStdString(line.date).toHtmlEscaped() + "</font>" +
                QString::fromStdString(line.after).toHtmlEscaped());
  date->setObjectName("dateLine");
  words->addWidget(date);
  auto* greeting = new QLabel(QString::fromStdString(figures.greeting), page_);
  greeting->setObjectName("greeting");
  greeting->setWordWrap(true);
  words->addWidget(greeting);
  words->addStretch();

  sections_ = new QVBoxLayout;
  outer->addLayout(sections_);
  AddSection(kCardSectionTitle);
  if (!figures.untyped_notice.empty()) {
    AddText(QString::fromStdString(figures.untyped_notice));
  } else {
    AddTable(figures.card_bills, false);
  }
  AddSection(kStatisticsSectionTitle);
  if (!figures.untyped_notice.empty()) {
    AddText(QString::fromStdString(figures.untyped_notice));
  } else {
    AddTable(figures.summary, true);
    AddTable(figures.month_income, true);
    AddTable(figures.month_expense, true);
  }
  outer->addStretch();
  setWidget(page_);  // deletes the previous page
  page_->setAutoFillBackground(false);  // setWidget() made it fill itself
}

void CHomeWnd::LoadPicture() {
  const QString path = QString::fromStdString(WelcomePicturePath(user_.welcome_picture));
  QImageReader reader(path);
  const QSize size = reader.size();
  if (!reader.canRead() || size.isEmpty()) {  // a picture that cannot be shown is left out
    picture_->hide();
    return;
  }
  const QSize shown = size.scaled(kPictureBox, kPictureBox, Qt::KeepAspectRatio);
  picture_->setFixedSize(shown + QSize(2 * kPictureFrame, 2 * kPictureFrame));
  if (reader.supportsAnimation() && reader.imageCount() != 1) {
    movie_ = new QMovie(path, QByteArray(), picture_);
    movie_->setScaledSize(shown);
    picture_->setMovie(movie_);
    movie_->start();
    return;
  }
  const QImage image = reader.read();
  if (image.isNull()) {
    picture_->hide();
    return;
  }
  picture_->setPixmap(QPixmap::fromImage(image.scaled(shown, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void CHomeWnd::AddSection(const char* title) { AddText(QString::fromUtf8(title), true); }

void CHomeWnd::AddText(const QString& text, bool bold) {
  auto* label = new QLabel(text, page_);
  label->setWordWrap(true);
  if (bold) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
  }
  sections_->addWidget(label);
}

void CHomeWnd::AddTable(const HomeTable& table, bool with_title) {
  if (with_title) {
    auto* title = RichLabel(page_);
    const QString text = QString::fromStdString(table.title).toHtmlEscaped();
    title->setText(table.title_link.kind ? QStringLiteral("<a href=\"%1\">%2</a>").arg(LinkHref(table.title_link), text)
                                         : text);
    connect(title, &QLabel::linkActivated, this, &CHomeWnd::OnLink);
    sections_->addWidget(title);
  }
  auto* body = RichLabel(page_);
  body->setObjectName(QString::fromStdString(table.title));
  body->setWordWrap(false);
  body->setText(TableHtml(table, StoredColour(user_.colours[kMainCapColour])));
  connect(body, &QLabel::linkActivated, this, &CHomeWnd::OnLink);
  sections_->addWidget(body);
}

void CHomeWnd::OnLink(const QString& href) {
  PageLink link;
  if (ParseLinkHref(href, &link)) emit openPage(link.kind, QString::fromStdString(link.target));
}

}  // namespace cw
