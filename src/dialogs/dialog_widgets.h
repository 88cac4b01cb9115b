// Small widget makers shared by the model dialogs, so their path displays and
// buttons look and behave alike.
#pragma once

#include <QString>

#include <string>

class QLabel;
class QPushButton;
class QWidget;

inline QString fromStd(const std::string& text) { return QString::fromStdString(text); }

// A path display: a sunken, selectable one-line label that a long path does
// not widen.
QLabel* makePathDisplay(QWidget* parent, const char* objectName, int minimumWidth);

// A push button that does not become the default button when it gets focus.
QPushButton* makeButton(const QString& text, const char* objectName, QWidget* parent);
