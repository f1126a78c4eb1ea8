#pragma once
// The program's resources (icon, artwork, desktop files) live in a static library, where the linker would drop
// their registration; call this before the first use of a ":/tallix/..." path. Calling it again does nothing.
void LoadTallixResources();
