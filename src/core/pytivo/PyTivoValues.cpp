#include "core/pytivo/PyTivoValues.h"

PyTivoValue TextValue(std::string text, std::string source)
{
    PyTivoValue value;
    value.text = std::move(text);
    value.source = std::move(source);
    return value;
}

PyTivoValue NumberValue(long long number, std::string source)
{
    PyTivoValue value;
    value.kind = PyTivoValue::Kind::Number;
    value.number = number;
    value.text = std::to_string(number);
    value.source = std::move(source);
    return value;
}

bool IsSet(const PyTivoValue* value)
{
    if (!value)
        return false;
    switch (value->kind) {
    case PyTivoValue::Kind::Number:
        return value->number != 0;
    case PyTivoValue::Kind::List:
        return !value->items.empty();
    default:
        return !value->text.empty();
    }
}
