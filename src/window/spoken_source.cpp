#include "window/spoken_source.h"

#include "model/spoken_texts.h"
#include "window/layout.h"

#include <optional>

namespace tintora {
namespace {

bool Copy(const wchar_t* from, wchar_t* text, int size) {
    if (from == nullptr || text == nullptr || size <= 0) return false;
    int i = 0;
    for (; i < size - 1 && from[i] != L'\0'; ++i)
        text[i] = from[i];
    text[i] = L'\0';
    return true;
}

std::optional<ColourValue> SpokenColourOf(ControlId id, const ColourModel& model) {
    switch (id) {
    case picChosenColor:
    case picColors:
    case picGradient: return model.Chosen();
    case picCurrent: return model.Current();
    default: return std::nullopt;
    }
}

} // namespace

bool SpokenSource::AccessibleText(int controlId, platform::AccessibleField field, wchar_t* text,
                                  int size) noexcept {
    const auto id = static_cast<ControlId>(controlId);
    if (field == platform::AccessibleField::Name) return Copy(SpokenNameOf(id), text, size);
    const std::optional<ColourValue> colour = SpokenColourOf(id, model_);
    if (!colour) return false;
    const SpokenText spoken =
        field == platform::AccessibleField::Value ? SpokenValueOf(*colour) : SpokenDescriptionOf(*colour);
    return Copy(spoken.data(), text, size);
}

} // namespace tintora
