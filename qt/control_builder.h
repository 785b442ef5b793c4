#pragma once

#include <string_view>
#include <vector>

#include <QString>

#include "form/control_record.h"

class QTimer;
class QWidget;

namespace vortalin::qt {

/// The widgets made from the control table, looked up by control name and array index.
class FormControls {
 public:
  struct Entry {
    const form::ControlRecord* record;
    QWidget* widget;  // null for a timer
    QTimer* timer;    // null for anything else
  };

  QWidget* widget(std::string_view name, int index = -1) const;
  QTimer* timer(std::string_view name) const;
  template <class T>
  T* get(std::string_view name, int index = -1) const {
    return qobject_cast<T*>(widget(name, index));
  }
  const std::vector<Entry>& entries() const { return entries_; }

 private:
  friend FormControls buildForm(QWidget& window);
  const Entry* find(std::string_view name, int index) const;
  std::vector<Entry> entries_;
};

/// Turns the window's record and every control record into widgets on `window`, placed,
/// stacked, styled and in tab order as the table says.
FormControls buildForm(QWidget& window);

/// The object name of a control: its name, with the index of an array element, "Picture4(1)".
QString controlObjectName(const form::ControlRecord& record);

}  // namespace vortalin::qt
