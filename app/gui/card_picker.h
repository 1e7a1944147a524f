// Cards often arrive a week to an archive: when the zip file chosen holds several cards,
// the handicapper picks the one to open from a short list of their names.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QListWidget;

namespace kestravo::gui {

class CardPicker : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kCaption = "CHOOSE A DATA FILE";

  // The names as the archive gives them; the first one starts selected.
  CardPicker(const std::vector<std::string>& names, QWidget* owner);

  // The name chosen, or "" when none is.
  std::string chosen() const;
  QListWidget* list() const { return list_; }

 private:
  std::vector<std::string> names_;
  QListWidget* list_;
};

// Shows the picker modally over `owner`: the name chosen, or "" when cancelled.
std::string askForCardInArchive(const std::vector<std::string>& names, QWidget* owner);

}  // namespace kestravo::gui
