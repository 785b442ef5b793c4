#pragma once

#include <array>

#include "front_end.h"

class QLineEdit;
class QMessageBox;
class QTimer;
class QWidget;

namespace vortalin::qt {

/// The game's seam on the Qt widgets of the window.
class WindowFrontEnd final : public game::FrontEnd {
 public:
  struct Controls {
    std::array<QWidget*, boxCount> boxes{};  // in the order of `Box`
    QTimer* clock = nullptr;
    QWidget* window = nullptr;
    QLineEdit* energy = nullptr;
    QLineEdit* distance = nullptr;
  };

  /// Object name of the message that tells the player something.
  static constexpr const char* noticeName = "notice";

  explicit WindowFrontEnd(const Controls& controls) : controls_(controls) {}

  void moveBox(Box box, game::PixelPoint topLeft) override;
  void setClockRunning(bool running) override;
  void setWindowColour(Colour colour) override;
  std::string displayText(game::Display display) const override;
  void setDisplayText(game::Display display, std::string_view text) override;
  void showNotice(std::string_view message) override;

 private:
  QLineEdit& display(game::Display display) const;

  Controls controls_;
  QMessageBox* notice_ = nullptr;
};

}  // namespace vortalin::qt
