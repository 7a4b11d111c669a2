#pragma once

#include <functional>

class QComboBox;
class QString;

// Greys out, in an encoder list, the hardware encoders that do not work on this machine.
// The test encodes (EncoderProbe::works) run on a pool thread; until their
// answers come every hardware encoder is greyed out, and those that work become choices
// then. Items whose data is "auto" or "libx264" are not asked about.
void markUnavailableEncoders(QComboBox *combo);

// Tests answer for the test encodes; an empty function restores them.
void setEncoderListProbe(std::function<bool(const QString &)> works);
