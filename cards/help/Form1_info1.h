// The help viewer of Torvcard and Torvsetup: one plain-text file from the data folder in a text
// box that fills the window; a click closes it. The window is built afresh at every showing, so
// it always shows the file as it is now.
#pragma once

#include "platform/Form.h"

#include <functional>

// The full path of the help text to show; each caller sets it just before showing the viewer.
extern QString HelpFilePath;

class Form1_info1 : public platform::Form {
  public:
    Form1_info1();
    void Form_Load() override;

    platform::TextBox txtWordProc{*this, "txtWordProc", true};

    // A program's own step before the file is read (Torvsetup hides its unit panels).
    static std::function<void()> beforeLoad;

  private:
    static constexpr int kMinWidth = 9600;
    void closeViewer();
    void fitWidthTo(const QString& text);
};

// Sets HelpFilePath and shows the viewer modal; returns when it is closed. A missing help file
// is reported with its name and nothing is shown.
void showHelpText(const QString& path);
