#include "download/StatusPanel.h"

#include <QHBoxLayout>
#include <QLabel>

#include <algorithm>

#include "platform/core/Twips.h"

namespace download {

StatusPanel::StatusPanel(const QString& key, int minWidthTwips, QWidget* parent)
    : QWidget(parent),
      key_(key),
      minWidthTwips_(minWidthTwips),
      pictureLabel_(new QLabel(this)),
      textLabel_(new QLabel(this)) {
  setObjectName(key);
  textLabel_->setTextFormat(Qt::PlainText);
  pictureLabel_->hide();
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(2, 0, 2, 0);
  layout->addStretch();
  layout->addWidget(pictureLabel_);
  layout->addWidget(textLabel_);
  layout->addStretch();
  fitContents();
}

QString StatusPanel::text() const { return textLabel_->text(); }

void StatusPanel::setText(const QString& text) {
  textLabel_->setText(text);
  fitContents();
}

void StatusPanel::fitContents() {
  // Never narrower than its twips, nor than its picture and text.
  const int least = platform::twipsToPixels(minWidthTwips_, logicalDpiX());
  setMinimumWidth(std::max(least, layout()->minimumSize().width()));
}

void StatusPanel::setPicture(const QPixmap& picture) {
  picture_ = picture;
  pictureLabel_->setPixmap(picture);
  pictureLabel_->setVisible(!picture.isNull());
  fitContents();
}

}  // namespace download
