// What the windows show, kept at one moment so that a step that fails can put them back as they
// stood: which windows are loaded and shown, each window's working values (FormWith), every
// control, window and menu as it stood before its first change since that moment, and the order
// the controls of a container lie in before the first control is put in front or behind. Nothing
// is copied until something changes: a control keeps its standing at its first change, a picture
// box the parts of its picture that each drawing covers.
#pragma once

#include <functional>

namespace platform {

// Starts keeping from now, forgetting what was kept before. Only the windows loaded now are kept;
// a window loaded later is unloaded when the windows are put back.
void keepWindows();
// Puts back the windows as they stood when keeping began: what changed since is undone without
// raising an event, the windows loaded since are unloaded (without their Form_Unload), those
// unloaded since are loaded again as they stood. Keeping goes on from there.
void putWindowsBack();
// Keeping stops and what was kept is forgotten.
void forgetKeptWindows();

namespace kept {
// Whether what `owner` (a window, or the window of a control or menu) shows is being kept: it was
// loaded when keeping began.
bool keeping(const void* owner);
// Notes an object's standing before its first change since keeping began: `standing`, asked only
// then, returns what puts the object back.
void note(const void* object, const std::function<std::function<void()>()>& standing);
// Whether the object's standing is noted already.
bool noted(const void* object);
// A further putting back of part of the object (an area of a picture), made before the object's
// standing when the windows are put back: the latest first.
void noteMore(const void* object, std::function<void()> back);
// The object is gone: nothing of it is put back.
void forget(const void* object);
// Counts the moments keeping began or was put back: an object's own notes of a former one are void.
unsigned long long moment();
} // namespace kept

} // namespace platform
