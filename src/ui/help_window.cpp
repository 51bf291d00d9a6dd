#include "ui/help_window.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow() {
  setObjectName("help");
  setWindowTitle("トリベの使い方");
  page_ = new QTextBrowser(this);
  page_->setSource(QUrl("qrc:/help/index.html"));

  // The contents list is read off the page's headings, so it never falls out of step.
  auto* contents = new QListWidget(this);
  QFile source(":/help/index.html");
  source.open(QIODevice::ReadOnly);
  const QString raw = QString::fromUtf8(source.readAll());
  static const QRegularExpression heading(R"re(<h2 id="([^"]+)">([^<]+)</h2>)re");
  for (auto match = heading.globalMatch(raw); match.hasNext();) {
    const auto found = match.next();
    auto* item = new QListWidgetItem(found.captured(2), contents);
    item->setData(Qt::UserRole, found.captured(1));
  }
  // Wide enough for the longest entry, beside room for the frame and a scroll bar.
  int widest = 0;
  for (int i = 0; i < contents->count(); ++i)
    widest = std::max(widest, contents->fontMetrics().horizontalAdvance(contents->item(i)->text()));
  contents->setFixedWidth(widest + 2 * contents->frameWidth() +
                          contents->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 16);
  connect(contents, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    page_->scrollToAnchor(item->data(Qt::UserRole).toString());
  });

  search_ = new QLineEdit(this);
  search_->setPlaceholderText("検索する言葉");
  auto* next = new QPushButton("次を検索", this);
  connect(search_, &QLineEdit::returnPressed, this, &HelpWindow::find_next);
  connect(next, &QPushButton::clicked, this, &HelpWindow::find_next);

  auto* search_row = new QHBoxLayout;
  search_row->addWidget(new QLabel("検索:", this));
  search_row->addWidget(search_);
  search_row->addWidget(next);
  auto* right = new QVBoxLayout;
  right->addLayout(search_row);
  right->addWidget(page_);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(contents);
  layout->addLayout(right);
  resize(760, 540);
}

void HelpWindow::find_next() {
  const QString word = search_->text();
  if (word.isEmpty()) return;
  if (!page_->find(word)) {
    // From the top again once the end is reached.
    page_->moveCursor(QTextCursor::Start);
    page_->find(word);
  }
}
