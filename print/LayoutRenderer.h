#pragma once

#include "FormLayout.h"

#include <QStringList>
#include <functional>

class PrintTarget;

// The text of a field for the transfer being printed: one line, or the lines of a block.
using FieldReader = std::function<QStringList(Field field)>;

// Prints one page of the form: every item of its table, into every copy, before the next item;
// then what is placed beside the form, if anything.
PageReport RenderLayout(PrintTarget &target, const FormLayout &layout, const FieldReader &read, bool upperCase,
                        const PlaceItems &beside = nullptr);

// A trial page on plain paper: the outline of every box and field of the form's first
// copy, at the given margins instead of the stored ones.
PageReport RenderOutline(PrintTarget &target, const FormLayout &layout, Margins margins);
