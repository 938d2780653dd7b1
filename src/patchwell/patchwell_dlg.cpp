#include "patchwell/patchwell_dlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "base/gbk_text.h"
#include "base/product.h"
#include "base/prompter.h"
#include "core/settings.h"
#include "patchwell/patchwell_texts.h"
#include "patchwell/relay_request.h"
#include "patchwell/update_run_thread.h"

namespace cw::patchwell {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

constexpr int kStageIconSize = 16;

// Stages not reached yet keep the room of an icon, so that all names line up.
QIcon BlankIcon() {
  QPixmap blank(kStageIconSize, kStageIconSize);
  blank.fill(Qt::transparent);
  return QIcon(blank);
}

bool IsFailure(int code) { return code >= 1 && code <= 7; }
bool IsStopped(int code) { return code >= 11 && code <= 16; }
bool IsUpdated(int code) { return code == 102 || code == 103; }

}  // namespace

CPatchwellDlg::CPatchwellDlg(RunSettings settings, QString data_home, bool unattended, QWidget* parent)
    : COwnDialog(parent), settings_(std::move(settings)), data_home_(std::move(data_home)), unattended_(unattended) {
  setWindowTitle(kTitle);
  stages_ = new QListWidget(this);
  stages_->setObjectName("stages");
  for (const char* name : kStageNames) stages_->addItem(name);
  stages_->setFocusPolicy(Qt::NoFocus);
  stages_->setSelectionMode(QAbstractItemView::NoSelection);
  stages_->setFixedWidth(140);
  stages_->setIconSize(QSize(kStageIconSize, kStageIconSize));
  stages_->setSpacing(2);

  version_ = new QLabel(Q(StrFormat(kCurrentVersion, kProductName, settings_.installed_version)), this);
  version_->setObjectName("version");
  progress_ = new QProgressBar(this);
  progress_->setRange(0, 100);
  progress_->setValue(0);
  status_ = new QLabel(this);
  status_->setObjectName("status");
  status_->setWordWrap(true);
  file_ = new QLabel(this);
  file_->setObjectName("file");
  bytes_ = new QLabel(this);
  bytes_->setObjectName("bytes");

  auto_check_ = new QCheckBox(Q(StrFormat(kAutoCheck, kProductName)), this);
  auto_check_->setObjectName("autoCheck");
  auto_check_->setChecked(settings::GetNumber("", "AutoUpdate") != 0);
  connect(auto_check_, &QCheckBox::toggled, this,
          [](bool on) { settings::SetNumber("", "AutoUpdate", on ? 1 : 0); });
  start_ = new QPushButton(kStart, this);
  start_->setObjectName("start");
  start_->setDefault(true);
  exit_ = new QPushButton(kExit, this);
  exit_->setObjectName("exit");
  connect(start_, &QPushButton::clicked, this, &CPatchwellDlg::OnStartStop);
  connect(exit_, &QPushButton::clicked, this, &CPatchwellDlg::reject);

  auto* info = new QVBoxLayout;
  info->addWidget(version_);
  info->addSpacing(8);
  info->addWidget(progress_);
  info->addWidget(status_);
  info->addWidget(file_);
  info->addWidget(bytes_);
  info->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(stages_);
  top->addLayout(info, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(auto_check_);
  bottom->addStretch();
  bottom->addWidget(start_);
  bottom->addWidget(exit_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(bottom);
  resize(520, 260);
  MarkStage(-1);
}

CPatchwellDlg::~CPatchwellDlg() = default;

bool CPatchwellDlg::Running() const { return run_ && !run_->isFinished(); }

void CPatchwellDlg::OnStartStop() {
  if (Running()) {
    run_->RequestStop();
    return;
  }
  StartRun();
}

void CPatchwellDlg::StartRun() {
  if (Running()) return;
  run_ = std::make_unique<UpdateRunThread>(settings_, data_home_, unattended_, this);
  connect(run_.get(), &UpdateRunThread::StageChanged, this, &CPatchwellDlg::OnStage);
  connect(run_.get(), &UpdateRunThread::VersionsKnown, this, &CPatchwellDlg::OnVersions);
  connect(run_.get(), &UpdateRunThread::DownloadingFile, this, &CPatchwellDlg::OnDownloadingFile);
  connect(run_.get(), &UpdateRunThread::BytesReceived, this, &CPatchwellDlg::OnBytes);
  connect(run_.get(), &UpdateRunThread::ReplacingFile, this, &CPatchwellDlg::OnReplacingFile);
  connect(run_.get(), &QThread::finished, this, &CPatchwellDlg::OnRunFinished);
  progress_->setValue(0);
  file_->clear();
  bytes_->clear();
  start_->setText(kStop);
  run_->start();
}

void CPatchwellDlg::MarkStage(int stage) {
  for (int i = 0; i < stages_->count(); ++i) {
    QListWidgetItem* item = stages_->item(i);
    QFont font = item->font();
    font.setBold(i == stage);
    item->setFont(font);
    const QStyle::StandardPixmap icon = i < stage ? QStyle::SP_DialogApplyButton : QStyle::SP_ArrowRight;
    item->setIcon(i <= stage ? style()->standardIcon(icon) : BlankIcon());
  }
}

void CPatchwellDlg::OnStage(int stage) {
  MarkStage(stage);
  static const char* const kStatus[] = {kConnecting, kDownloading, kVerifying, kReplacing};
  if (stage < 4) status_->setText(kStatus[stage]);
}

void CPatchwellDlg::OnVersions(double installed, double offered) {
  version_->setText(Q(StrFormat(kUpgradeVersions, kProductName, installed, offered)));
}

void CPatchwellDlg::OnDownloadingFile(const QString& listed, int index, int count) {
  status_->setText(Q(StrFormat(kDownloadingNth, count, index)));
  file_->setText(listed);
  progress_->setValue(0);
  bytes_->clear();
}

void CPatchwellDlg::OnBytes(quint64 received, quint64 total) {
  progress_->setValue(total ? static_cast<int>(received * 100 / total) : 0);
  bytes_->setText(Q(StrFormat(kByteCounter, static_cast<unsigned>(received / 1024), static_cast<unsigned>(total / 1024))));
}

void CPatchwellDlg::OnReplacingFile(const QString& listed, int index, int count) {
  status_->setText(Q(StrFormat(kReplacingNth, count, index)));
  file_->setText(listed);
  progress_->setValue(index * 100 / count);
}

void CPatchwellDlg::OnRunFinished() {
  const RunOutcome outcome = run_->Outcome();
  const int code = static_cast<int>(outcome.result);
  // A run that was stopped ends with 11-16 (a download broken off by the stop
  // ends with 13); any other code says what happened, even if the stop came late.
  const bool stopped = IsStopped(code);
  last_result_ = code;
  start_->setText(kStart);
  start_->setEnabled(code < 100);
  if (code == 103) updater_pending_ = outcome.updater_listed;

  const std::string text = update::ResultText(outcome.result);
  status_->setText(Q(text));
  if (IsUpdated(code)) {
    MarkStage(4);
    progress_->setValue(100);
  }
  if (leaving_) {
    reject();
    return;
  }
  if (!stopped && (IsFailure(code) || code == 100)) CurrentPrompter().Inform(text, kTitle);
  if (!stopped && IsUpdated(code) && CurrentPrompter().Ask(StrFormat(kAskStartProgram, kProductName), kTitle)) {
    HandOver(code == 103, true);
    return;
  }
  if (unattended_) reject();
}

void CPatchwellDlg::HandOver(bool copy, bool start) {
  const QString relay = Q(settings_.places.Program("relaymate").string());
  const std::string argument = RelayArgument({copy, start}, settings_.places, updater_pending_);
  if (!QProcess::startDetached(relay, {Q(argument)}))
    CurrentPrompter().Inform("无法启动 " + relay.toStdString(), kTitle, PromptStyle::Error);
  updater_pending_.clear();
  done(last_result_);
}

void CPatchwellDlg::reject() {
  if (Running()) {
    if (!unattended_ && !leaving_ && !CurrentPrompter().Ask(kAskStop, kTitle)) return;
    // The window closes when the run has ended (OnRunFinished).
    leaving_ = true;
    run_->RequestStop();
    exit_->setEnabled(false);
    return;
  }
  if (!updater_pending_.empty()) {
    HandOver(true, false);
    return;
  }
  done(last_result_);
}

}  // namespace cw::patchwell
