// Connects the document's multi-view, scale and input-device commands to the
// command router: "1 View" .. "9 View", "ALL View", the eleven Scale items,
// "x Free", "x Auto" and the three input devices, each with its handler and
// its update rule.
#pragma once

class CUser;
class CommandRouter;
class QWidget;
class Reporter;

// `document` and `reporter` must outlive the router's use of the handlers;
// the magnification dialog of "x Free" is centred on `dialogParent`.
void registerViewCommands(CommandRouter& router, CUser& document, Reporter& reporter,
                          QWidget* dialogParent);
