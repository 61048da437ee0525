#pragma once

#include <QStringList>
#include <deque>

#include "prompts.h"

namespace vermora::app::test {

// Answers given in advance, and a record of what the window showed.
class FakePrompts final : public Prompts {
 public:
  QStringList errors, warnings, confirms, inputs, asks, informs;
  std::deque<UnsavedAnswer> unsaved_answers;
  std::deque<QString> file_answers;  // for open and save dialogs, in order
  QStringList dialog_titles;
  std::optional<QString> input_answer;
  int unsaved_asked = 0;
  bool confirm_answer = false;
  bool ask_answer = false;

  void Error(QWidget*, const QString& m) override { errors << m; }
  void Warning(QWidget*, const QString& m) override { warnings << m; }
  void Inform(QWidget*, const QString& m) override { informs << m; }
  bool Ask(QWidget*, const QString& m) override {
    asks << m;
    return ask_answer;
  }
  bool Confirm(QWidget*, const QString& m) override {
    confirms << m;
    return confirm_answer;
  }
  UnsavedAnswer AskUnsaved(QWidget*) override {
    ++unsaved_asked;
    if (unsaved_answers.empty()) return UnsavedAnswer::kCancel;
    const UnsavedAnswer a = unsaved_answers.front();
    unsaved_answers.pop_front();
    return a;
  }
  QString OpenFile(QWidget*, const FileDialogTexts& s) override { return NextFile(s); }
  QString SaveFile(QWidget*, const FileDialogTexts& s) override { return NextFile(s); }
  std::optional<QString> Input(QWidget*, const QString& title, const QString& prompt,
                               const QString& text) override {
    inputs << title + "|" + prompt + "|" + text;
    return input_answer;
  }
  QString ChooseFolder(QWidget*, const QString& title, const QString&) override {
    return NextFile({title, {}, {}, {}});
  }

 private:
  QString NextFile(const FileDialogTexts& s) {
    dialog_titles << s.title;
    if (file_answers.empty()) return {};
    const QString f = file_answers.front();
    file_answers.pop_front();
    return f;
  }
};

}  // namespace vermora::app::test
