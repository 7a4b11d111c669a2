#pragma once

// Whether translucent overlay windows blend with what lies below. Only an X11 session
// without a compositing manager shows them black (on screen and in screen grabs);
// other platforms, offscreen included, always blend.
bool overlaysCanBeTranslucent();
