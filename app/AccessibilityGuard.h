#pragma once

// Screen readers and other assistive technology reach the program through
// Qt's bridge on the accessibility bus (AT-SPI). The bridge of Qt 6.4 ends
// the program when a client asks an object for all its properties at once
// (org.freedesktop.DBus.Properties.GetAll): it reads a second argument that
// this call does not have. The guard stands in front of the bridge's object
// tree: it answers GetAll itself, property by property from the bridge's own
// answers to Get, and hands every other message to the bridge unchanged.
//
// Called once at start-up; the guard takes its place whenever the bridge
// comes up (at once, or later when a screen reader is started). Without an
// accessibility bus it does nothing.
void GuardAccessibilityBridge();
