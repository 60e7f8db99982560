#pragma once

/// The version the current context reports; 0.0 until loadGlEntryPoints has read it, and for
/// contexts older than 3.0, which do not answer the query.
struct GlVersion {
    int major;
    int minor;
};
extern GlVersion glContextVersion;

/// Fills every entry of the GL entry-point table for the current context: the driver's answer
/// first, then the library's own exports; an entry neither knows stays null. Returns 0 when the
/// context is OpenGL 3.0 or later, -1 otherwise (also when glGetIntegerv cannot be found).
int loadGlEntryPoints();
