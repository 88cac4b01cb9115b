// The program's texts for the failures the core reports: the Japanese source
// texts, passed through the translation system so that another language can
// be added without touching the core.
#pragma once

#include "models/failure.h"

#include <QString>

// The message-box text of a failure (a compile failure's compiler messages
// follow its text after a blank line when the failure carries them).
QString failureText(const Failure& failure);
