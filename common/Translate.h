#pragma once

// Marks a text of the standard-C++ core for translation without translating it: the text
// stays as written, and lupdate collects it under context, so the Qt side can translate it
// with QCoreApplication::translate(context, text) where it is shown.
#define TARN_TRANSLATE_NOOP(context, text) text
