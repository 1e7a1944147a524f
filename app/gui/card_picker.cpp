#include "app/gui/card_picker.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/gui/message_box.h"

namespace kestravo::gui {

CardPicker::CardPicker(const std::vector<std::string>& names, QWidget* owner)
    : QDialog(owner), names_(names), list_(new QListWidget(this)) {
  setWindowTitle(QLatin1String(kCaption));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("THE ZIP FILE HOLDS SEVERAL DATA FILES:"), this));
  // Member names come from the archive in UTF-8.
  for (const std::string& name : names_) list_->addItem(QString::fromStdString(name));
  list_->setCurrentRow(0);
  layout->addWidget(list_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);
  setMinimumWidth(captionRoom(QLatin1String(kCaption)));
}

std::string CardPicker::chosen() const {
  const int row = list_->currentRow();
  if (row < 0 || static_cast<std::size_t>(row) >= names_.size()) return {};
  return names_[static_cast<std::size_t>(row)];
}

std::string askForCardInArchive(const std::vector<std::string>& names, QWidget* owner) {
  CardPicker picker(names, owner);
  return picker.exec() == QDialog::Accepted ? picker.chosen() : std::string();
}

}  // namespace kestravo::gui
