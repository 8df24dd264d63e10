# The demo game's generated media: every font sheet, picture, sound and music
# file is made by the project's own tools at build time, straight into the
# program folder, and nothing generated is kept in the repository. The
# resource definition files that name them are hand-written, under
# game/data/ini/ (see content/README.md).
#
# Each file is remade only when the tool that makes it was rebuilt.

set(media_outputs)
set(media_dir ${CORVELLANE_GAME_DIR}/data)

# media_command(OUTPUTS <files...> TOOL <target> ARGS <arguments...>)
function(media_command)
  cmake_parse_arguments(ARG "" "TOOL" "OUTPUTS;ARGS" ${ARGN})
  list(GET ARG_OUTPUTS 0 first)
  file(RELATIVE_PATH shown ${CORVELLANE_GAME_DIR} ${first})
  add_custom_command(OUTPUT ${ARG_OUTPUTS}
    COMMAND $<TARGET_FILE:${ARG_TOOL}> ${ARG_ARGS}
    DEPENDS ${ARG_TOOL}
    COMMENT "Making ${shown}"
    VERBATIM)
  set(media_outputs ${media_outputs} ${ARG_OUTPUTS} PARENT_SCOPE)
endfunction()

# --- Fonts: <name> <face file> <pixel size> [style options] -------------------
set(dejavu /usr/share/fonts/truetype/dejavu)
function(media_font name face size)
  media_command(OUTPUTS ${media_dir}/fonts/${name}.png ${media_dir}/fonts/${name}.xml
    TOOL corvellane-fontmaker
    ARGS ${dejavu}/${face} ${size} ${media_dir}/fonts/${name}.png ${media_dir}/fonts/${name}.xml ${ARGN})
  set(media_outputs ${media_outputs} PARENT_SCOPE)
endfunction()

# Plain white fonts, tinted by the game.
media_font(font_text DejaVuSans.ttf 16)
media_font(font_text_small DejaVuSans.ttf 13)
media_font(font_text_bold DejaVuSans-Bold.ttf 18)
# Baked looks for titles, buttons and scores.
media_font(font_title DejaVuSerif-Bold.ttf 40
  --fill $FFFFF3C4 --fill-bottom $FFD89A36 --outline 2 --outline-colour $FF3A1E10
  --shadow-x 2 --shadow-y 3 --shadow-blur 3 --shadow-colour $A0000000)
media_font(font_button DejaVuSans-Bold.ttf 20
  --fill $FFFFF8EC --fill-bottom $FFFFE0E6 --outline 2 --outline-colour $FF6E1A2C
  --shadow-y 2 --shadow-blur 2 --shadow-colour $80000000)
media_font(font_score DejaVuSerif-Bold.ttf 28
  --fill $FFFFFFFF --fill-bottom $FFFFD25A --outline 2 --outline-colour $FF4A2A08
  --shadow-x 1 --shadow-y 2 --shadow-blur 2 --shadow-colour $90000000)

# --- Pictures ---------------------------------------------------------------
foreach(recipe town_scene town_map logo_screen logo panel button_normal button_hover button_pressed button_disabled
               frame cursor glow heart checkbox_off checkbox_on slider_track slider_knob progress_frame
               progress_fill star_twinkle butterfly)
  media_command(OUTPUTS ${media_dir}/images/${recipe}.png
    TOOL corvellane-imagemaker ARGS ${recipe} ${media_dir}/images/${recipe}.png)
endforeach()

# Hidden objects from the colour emoji font: <name> <code point>.
set(media_items
  bouquet 1F490  ring 1F48D  rose 1F339  love_letter 1F48C  chocolate 1F36B  teddy_bear 1F9F8
  gift 1F381  cake 1F370  coffee 2615  key 1F511  perfume 1F9F4  umbrella 2602)
while(media_items)
  list(POP_FRONT media_items item code)
  media_command(OUTPUTS ${media_dir}/images/items/${item}.png
    TOOL corvellane-imagemaker ARGS emoji U+${code} ${media_dir}/images/items/${item}.png --size 96)
endwhile()

# --- Sounds and music -------------------------------------------------------
foreach(sound click hover window_show window_hide sparkle found wrong complete)
  media_command(OUTPUTS ${media_dir}/sounds/${sound}.wav
    TOOL corvellane-soundmaker ARGS ${sound} ${media_dir}/sounds/${sound}.wav)
endforeach()
media_command(OUTPUTS ${media_dir}/music/main_theme.ogg
  TOOL corvellane-soundmaker ARGS music ${media_dir}/music/main_theme.ogg)
media_command(OUTPUTS ${media_dir}/music/music_box.mod
  TOOL corvellane-soundmaker ARGS module ${media_dir}/music/music_box.mod)

add_custom_target(corvellane_media ALL DEPENDS ${media_outputs})
add_dependencies(corvellane_content corvellane_media)
