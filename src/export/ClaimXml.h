#pragma once

// The claim as an XML file that carries its own document type definition, so that another
// system can validate it and read it. The declaration names ISO-8859-1 and every character
// of that set is one byte; the characters Windows-1252 adds (the euro sign, curly quotes, ...)
// are numeric character references, so every reader gets the character the claim holds.
// Lines end with CR LF; the closing tag of a container ends the line before it.

#include "model/ClaimValues.h"

#include <QByteArray>

namespace cw::exports {

// The declaration line, the document type definition, an empty line and the form element with
// its 197 children: the single fields, and in the middle the 23 revenue rows (trans1 to
// trans23) inside transactions.
QByteArray claimXml(const model::ClaimValues& values);

} // namespace cw::exports
