#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The feed as a well-formed XML document with the same content, so a DOM
// parser can read the same bytes: "<br>" becomes "<br/>", and the MATCH
// elements still open at the root's close tag (the last "</DRAW>"; DRAW is
// also a field) are closed right before it. Only markup is added; every
// byte of text stays as it was.
QByteArray wellFormedTwin(QByteArrayView feed);
