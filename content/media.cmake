# The demo game's generated media: every font sheet, picture, sound and music
# file is made by the project's own tools at build time, straight into the
# program folder, and nothing generated is kept in the repository. The
# resource definition files that name them are hand-written, under
# game/data/ini/ (see content/README.md).
#
# Each file is remade only when the tool that makes it was rebuilt, or the
# picture it is made from (DEPENDS) was remade.

set(media_outputs)
set(media_dir ${CORVELLANE_GAME_DIR}/data)

# media_command(OUTPUTS <files...> TOOL <target> ARGS <arguments...> [DEPENDS <files...>])
function(media_command)
  cmake_parse_arguments(ARG "" "TOOL" "OUTPUTS;ARGS;DEPENDS" ${ARGN})
  list(GET ARG_OUTPUTS 0 first)
  file(RELATIVE_PATH shown ${CORVELLANE_GAME_DIR} ${first})
  add_custom_command(OUTPUT ${ARG_OUTPUTS}
    COMMAND $<TARGET_FILE:${ARG_TOOL}> ${ARG_ARGS}
    DEPENDS ${ARG_TOOL} ${ARG_DEPENDS}
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
               progress_fill star_twinkle butterfly sparkle ember dust_mote cat_idle halo)
  media_command(OUTPUTS ${media_dir}/images/${recipe}.png
    TOOL corvellane-imagemaker ARGS ${recipe} ${media_dir}/images/${recipe}.png)
endforeach()

# The dialogs: the field a name is typed into, the highlight of a list's row,
# the list's scroll buttons; the list's frame and the large panel are the
# field's and the panel's recipes drawn at other sizes.
foreach(recipe text_field list_highlight arrow_up arrow_up_hover arrow_down arrow_down_hover)
  media_command(OUTPUTS ${media_dir}/images/${recipe}.png
    TOOL corvellane-imagemaker ARGS ${recipe} ${media_dir}/images/${recipe}.png)
endforeach()
media_command(OUTPUTS ${media_dir}/images/list_field.png
  TOOL corvellane-imagemaker ARGS text_field ${media_dir}/images/list_field.png --width 340 --height 244)
media_command(OUTPUTS ${media_dir}/images/panel_large.png
  TOOL corvellane-imagemaker ARGS panel ${media_dir}/images/panel_large.png --width 640 --height 560)
# The sheet the screens after a level (statistics, menu, high scores) stand on.
media_command(OUTPUTS ${media_dir}/images/panel_sheet.png
  TOOL corvellane-imagemaker ARGS panel ${media_dir}/images/panel_sheet.png --width 880 --height 680)

# Hidden objects from the colour emoji font: <name> <code point>.
set(media_items
  bouquet 1F490  ring 1F48D  rose 1F339  love_letter 1F48C  chocolate 1F36B  teddy_bear 1F9F8
  gift 1F381  cake 1F370  coffee 2615  key 1F511  perfume 1F9F4  umbrella 2602)
while(media_items)
  list(POP_FRONT media_items item code)
  media_command(OUTPUTS ${media_dir}/images/items/${item}.png
    TOOL corvellane-imagemaker ARGS emoji U+${code} ${media_dir}/images/items/${item}.png --size 96)
endwhile()

# --- The story: scenes, their objects, portraits and map labels -----------------
# Resource names and where they are defined: content/README.md.
set(story_images ${media_dir}/images)

# Each scene's picture, and the same picture small for the map's cards.
foreach(scene flower_shop library park cafe bakery attic beach station)
  media_command(OUTPUTS ${story_images}/scenes/${scene}.png
    TOOL corvellane-imagemaker ARGS scene_${scene} ${story_images}/scenes/${scene}.png)
  media_command(OUTPUTS ${story_images}/scenes/${scene}_preview.png
    TOOL corvellane-imagemaker ARGS scene_${scene} ${story_images}/scenes/${scene}_preview.png --width 256 --height 192)
endforeach()

# Sprites that stand in front of the objects, and decorations, at their own size.
foreach(recipe front_flower_bucket front_book_pile front_rose_hedge front_cafe_palm front_bread_basket
               front_hat_boxes front_beach_rocks front_luggage_trolley
               deco_fern deco_ivy deco_books deco_teacups deco_yarn_basket deco_flower_pot deco_jam_jars
               deco_candles deco_sheet_music deco_suitcase deco_shells deco_leaves deco_loaves)
  media_command(OUTPUTS ${story_images}/objects/${recipe}.png
    TOOL corvellane-imagemaker ARGS ${recipe} ${story_images}/objects/${recipe}.png)
endforeach()

# Complete objects and the pieces the hidden-parts levels scatter: <name> <pieces>.
# The scene files' "spec" places depend on the cut: after changing a recipe,
# run "corvellane-imagemaker pieces ... --report yes" and update them.
set(story_complete vase 4 layer_cake 4 china_teapot 3 mantel_clock 4 birdhouse 3)
while(story_complete)
  list(POP_FRONT story_complete object count)
  set(whole ${story_images}/objects/${object}.png)
  media_command(OUTPUTS ${whole} TOOL corvellane-imagemaker ARGS obj_${object} ${whole})
  set(pieces)
  foreach(i RANGE 1 ${count})
    list(APPEND pieces ${story_images}/objects/${object}_part${i}.png)
  endforeach()
  media_command(OUTPUTS ${pieces} TOOL corvellane-imagemaker DEPENDS ${whole}
    ARGS pieces ${whole} ${story_images}/objects/${object}_part ${count})
endwhile()

# Objects from the colour emoji font: <name> <code point>.
set(story_emoji
  abacus 1F9EE accordion 1FA97 alarm_clock 23F0 amphora 1F3FA backpack 1F392 baguette 1F956 balloon 1F388
  banjo 1FA95 beach_umbrella 26F1 bee 1F41D bell 1F514 bicycle 1F6B2 bird 1F426 birthday_cake 1F382
  bookmark 1F516 bouquet 1F490 bubble_tea 1F9CB bucket 1FAA3 butterfly 1F98B cactus 1F335 camera 1F4F7
  candle 1F56F candy 1F36C cherries 1F352 cherry_blossom 1F338 chess_pawn 265F chestnut 1F330 clover 1F340
  coffee 2615 compass 1F9ED coral 1FAB8 crab 1F980 crayon 1F58D croissant 1F950 crown 1F451
  cup_with_straw 1F964 cupcake 1F9C1 custard 1F36E dice 1F3B2 doughnut 1F369 dove 1F54A duck 1F986
  envelope 2709 fan 1FAAD flashlight 1F526 flip_flops 1FA74 flute 1FA88 fork_knife 1F374 fountain_pen 1F58B
  frog 1F438 gem 1F48E gift 1F381 glasses 1F453 green_book 1F4D7 handbag 1F45C headphones 1F3A7
  hedgehog 1F994 ice_cream 1F366 ice_cream_cup 1F368 io_anchor 2693 io_crystal_ball 1F52E io_daisy 1F33C
  io_drum 1F941 io_feather 1FAB6 io_guitar 1F3B8 io_hibiscus 1F33A io_honey_pot 1F36F io_hourglass 231B
  io_kite 1FA81 io_love_letter 1F48C io_nest 1FAB9 io_old_key 1F5DD io_open_book 1F4D6 io_owl 1F989
  io_pancakes 1F95E io_red_book 1F4D5 io_rose 1F339 jar 1FAD9 joker 1F0CF knot 1FAA2 lady_hat 1F452
  ladybird 1F41E lantern 1F3EE lollipop 1F36D long_drum 1FA98 luggage 1F9F3 magnifier 1F50D maple_leaf 1F341
  maracas 1FA87 medal 1F3C5 memo 1F4DD microphone 1F3A4 milk 1F95B mirror 1FA9E mushroom 1F344
  musical_note 1F3B5 needle 1FAA1 nesting_doll 1FA86 newspaper 1F4F0 notebook 1F4D3 paintbrush 1F58C
  palette 1F3A8 pencil 270F picnic_basket 1F9FA pie 1F967 potted_plant 1FAB4 pretzel 1F968 purse 1F45B
  puzzle 1F9E9 radio 1F4FB ribbon 1F380 ring_buoy 1F6DF safety_pin 1F9F7 sailboat 26F5 sandwich 1F96A
  saxophone 1F3B7 scissors 2702 scroll 1F4DC shell 1F41A shortcake 1F370 snail 1F40C spider_web 1F578
  spoon 1F944 strawberry 1F353 sunflower 1F33B sunglasses 1F576 tea_cup 1F375 teapot 1FAD6 teddy_bear 1F9F8
  telescope 1F52D thread 1F9F5 ticket 1F3AB top_hat 1F3A9 tropical_fish 1F420 trumpet 1F3BA tulip 1F337
  turtle 1F422 umbrella 1F302 violin 1F3BB watermelon 1F349 wood 1FAB5 world_map 1F5FA yarn 1F9F6 yoyo 1FA80)
while(story_emoji)
  list(POP_FRONT story_emoji object code)
  media_command(OUTPUTS ${story_images}/objects/${object}.png
    TOOL corvellane-imagemaker ARGS emoji U+${code} ${story_images}/objects/${object}.png --size 96)
endwhile()

# The empty places where the first dates' objects belong, from the objects' pictures.
foreach(object
  beach_umbrella birthday_cake bouquet bucket candle coffee flip_flops green_book ice_cream lady_hat
  picnic_basket ring_buoy sandwich sunglasses teapot top_hat violin watermelon)
  media_command(OUTPUTS ${story_images}/objects/outline_${object}.png
    TOOL corvellane-imagemaker DEPENDS ${story_images}/objects/${object}.png
    ARGS outline ${story_images}/objects/${object}.png ${story_images}/objects/outline_${object}.png)
endforeach()

# The people of the story and the labels pinned on the town map.
foreach(recipe portrait_marguerite portrait_julien portrait_bert portrait_nerissa portrait_agatha portrait_silas
               couple_marguerite couple_bert couple_agatha
               desk person_card pairs_book page_edge page_edge_right book_tab category_tick
               label_flower_shop label_library label_park label_cafe label_bakery label_attic label_beach
               label_station label_date)
  media_command(OUTPUTS ${story_images}/story/${recipe}.png
    TOOL corvellane-imagemaker ARGS ${recipe} ${story_images}/story/${recipe}.png)
endforeach()
# What a card shows for a scene whose preview is missing: the town itself.
media_command(OUTPUTS ${story_images}/story/unknown_preview.png
  TOOL corvellane-imagemaker ARGS town_scene ${story_images}/story/unknown_preview.png --width 256 --height 192)

# The play screen's interface (play_resources.ini).
foreach(recipe play_top_bar play_bottom_bar hint_button_normal hint_button_hover hint_button_pressed
               hint_button_disabled hint_arrow hint_ring clock_face clock_hand_minute clock_hand_second
               relaxed_badge small_button_normal small_button_hover small_button_pressed complete_part_back
               ribbon_banner count_badge)
  media_command(OUTPUTS ${media_dir}/images/play/${recipe}.png
    TOOL corvellane-imagemaker ARGS ${recipe} ${media_dir}/images/play/${recipe}.png)
endforeach()

# --- Sounds and music -------------------------------------------------------
foreach(sound click hover window_show window_hide sparkle found wrong complete
              find_zoom find_fly success_click chain1 chain2 chain3 chain4 wrong_click penalty hint_ready
              hint_indicate add_scores level_start level_failed accent_time panel_pick panel_slide map_select)
  media_command(OUTPUTS ${media_dir}/sounds/${sound}.wav
    TOOL corvellane-soundmaker ARGS ${sound} ${media_dir}/sounds/${sound}.wav)
endforeach()
media_command(OUTPUTS ${media_dir}/music/main_theme.ogg
  TOOL corvellane-soundmaker ARGS music ${media_dir}/music/main_theme.ogg)
media_command(OUTPUTS ${media_dir}/music/music_box.mod
  TOOL corvellane-soundmaker ARGS module ${media_dir}/music/music_box.mod)

add_custom_target(corvellane_media ALL DEPENDS ${media_outputs})
add_dependencies(corvellane_content corvellane_media)
