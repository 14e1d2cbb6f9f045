// The names of the resources the executable carries, shared by Fortuva.rc
// and the code that loads them. The resource script takes them as bare
// names; the code as texts, through ResourceName.
#pragma once

#define RES_MAIN_ICON MAINICON
#define RES_OPEN_GLYPH OPENGLYPH
#define RES_ABOUT_GLYPH ABOUTGLYPH
#define RES_VOICE_CLIP0 LUSEMI0
#define RES_VOICE_CLIP1 LUSEMI1
#define RES_VOICE_CLIP2 LUSEMI2
#define RES_VOICE_CLIP3 LUSEMI3
#define RES_VOICE_CLIP4 LUSEMI4

#define RES_NAME_TEXT(name) #name
#define ResourceName(name) RES_NAME_TEXT(name)

// The voice clips are named by this prefix and their number, 0 to 4.
#define RES_VOICE_CLIP_PREFIX "LUSEMI"
