// Whether the supports and hinges hold the member well enough for it to be analysed.
#pragma once

#include <string>

#include "model/RakenneVektori.h"

class QELVUX_data;

namespace qv {

// Messages of the check.
extern const char* const kSupportNotEnough;  // "Palkkia ei ole tuettu riittävästi!"
extern const char* const kStartUnsupported;  // "Rakenteen alkupää tukematta!"
extern const char* const kEndUnsupported;    // "Rakenteen loppupää tukematta!"
extern const char* const kHingeChain;        // "Rakenteen sisällä nivelketju!"

// 0 when the member is held as a rigid body in its plane and no part of it can turn freely
// between hinges; -1 otherwise, with the message (the last failure found) in message.
// Positions are compared exactly. Supports of an unknown restraint code hold nothing.
int SupportCheck(const RakenneVektori& member, std::string& message);
int SupportCheck(const QELVUX_data& project, std::string& message);

}  // namespace qv
