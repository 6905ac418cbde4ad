#!/usr/bin/env bash
# Draws every icon and bitmap of Tessark into artwork/ with ImageMagick 6 primitives.
# The generated files are committed, so a build never needs ImageMagick or its fonts.
# Running it again gives the same files byte for byte.
set -euo pipefail

cd "$(dirname "$0")/.."
command -v convert >/dev/null || { echo "make-artwork: needs ImageMagick 6 (convert)" >&2; exit 1; }
OUT=artwork
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$OUT"

FONTS=/usr/share/fonts/truetype/dejavu
SANS_BOLD=$FONTS/DejaVuSans-Bold.ttf
SERIF_BOLD=$FONTS/DejaVuSerif-Bold.ttf
SERIF_BOLD_ITALIC=$FONTS/DejaVuSerif-BoldItalic.ttf
for font in "$SANS_BOLD" "$SERIF_BOLD" "$SERIF_BOLD_ITALIC"; do
    [[ -f $font ]] || { echo "make-artwork: needs the DejaVu fonts ($font)" >&2; exit 1; }
done

# One palette for everything: navy and teal, one warm accent (amber), a warm red for alerts.
NAVY=#0E2A40
INK=#163B4E
TEAL=#17707C
TEAL_MID=#2A9D9F
MINT=#7FD3C7
MIST=#DDF0EE
WHITE=#FFFFFF
AMBER=#F4A62A
AMBER_DARK=#B86F10
RED=#DB4A27
RED_DARK=#9E2F14
MAGENTA=#FF00FF
BUTTON_FACE=#F0F0F0

# ---------------------------------------------------------------------------------------------
# Designs are drawn in the pixel coordinates of a base grid (16 x 16 unless a design says
# otherwise) and rendered at a whole multiple K of it. Coordinates are ImageMagick's: pixel
# centres on integers, boxes inclusive. Scaling keeps box edges on pixel edges and strokes on
# pixel centres, so a design is as crisp at 32 and 48 as it is at 16. The primitives append to
# DRAW, which render() hands to ImageMagick.

K=1
DRAW=""

# pts X Y ...: scaled pixel-centre points as "x,y x,y ...".
pts() {
    awk -v k="$K" 'BEGIN {
        t = (k - 1) / 2
        for (i = 1; i < ARGC; i += 2)
            printf "%s%g,%g", (i > 1 ? " " : ""), ARGV[i] * k + t, ARGV[i + 1] * k + t
    }' "$@"
}

# fill COLOUR: fill the following shapes, without outline.
fill() { DRAW+=" fill $1 stroke none"; }

# outline COLOUR [WIDTH]: stroke the following shapes (one base pixel wide unless given).
outline() { DRAW+=" stroke $1 stroke-width $(awk "BEGIN{print ${2:-1} * $K}")"; }

# paint FILL OUTLINE: fill the following shapes and give them a one-pixel outline.
paint() { fill "$1"; outline "$2"; }

# box X0 Y0 X1 Y1: filled rectangle covering the base pixels X0..X1, Y0..Y1.
box() {
    DRAW+=" rectangle $(($1 * K)),$(($2 * K)) $(($3 * K + K - 1)),$(($4 * K + K - 1))"
}

# rbox X0 Y0 X1 Y1 R: the same with rounded corners.
rbox() {
    DRAW+=" roundrectangle $(($1 * K)),$(($2 * K)) $(($3 * K + K - 1)),$(($4 * K + K - 1))"
    DRAW+=" $(($5 * K)),$(($5 * K))"
}

# frame OUTLINE FILL X0 Y0 X1 Y1: a box with a one-pixel outline.
frame() {
    fill "$1"; box "$3" "$4" "$5" "$6"
    fill "$2"; box $(($3 + 1)) $(($4 + 1)) $(($5 - 1)) $(($6 - 1))
}

# poly X Y X Y ...: polygon through pixel centres (filled, and stroked if an outline is set).
poly() { DRAW+=" polygon $(pts "$@")"; }

# disc CX CY R: circle.
disc() {
    local c
    c=$(pts "$1" "$2")
    DRAW+=" circle $c $(pts "$1" "$(awk "BEGIN{print $2 + $3}")")"
}

# ring COLOUR WIDTH CX CY R: circle outline only.
ring() {
    DRAW+=" push graphic-context fill none"
    outline "$1" "$2"
    disc "$3" "$4" "$5"
    DRAW+=" pop graphic-context"
}

# line COLOUR WIDTH X Y X Y ...: open stroked path with round joins and caps.
line() {
    local colour=$1 width=$2
    shift 2
    DRAW+=" push graphic-context fill none stroke-linejoin round stroke-linecap round"
    outline "$colour" "$width"
    DRAW+=" path 'M $(pts "$@" | sed 's/ / L /g')' pop graphic-context"
}

# arc COLOUR WIDTH X0 Y0 R X1 Y1 SWEEP: circular arc between two points.
arc() {
    DRAW+=" push graphic-context fill none stroke-linecap round"
    outline "$1" "$2"
    local r
    r=$(awk "BEGIN{print $5 * $K}")
    DRAW+=" path 'M $(pts "$3" "$4") A $r,$r 0 0,$8 $(pts "$6" "$7")' pop graphic-context"
}

# glyph COLOUR FONT SIZE X Y TEXT: text whose baseline starts at X,Y; SIZE in base pixels.
glyph() {
    DRAW+=" fill $1 stroke none font '$2' font-size $(awk "BEGIN{print $3 * $K}")"
    DRAW+=" text $(pts "$4" "$5") '$6'"
}

# render DESIGN K WIDTH HEIGHT OUT.png: draws a design at K times its base grid on a
# transparent canvas.
render() {
    K=$2
    DRAW=""
    "design_$1"
    convert -size "$3x$4" xc:none -draw "$DRAW" -define png:exclude-chunks=date,time "$5"
}

# ---------------------------------------------------------------------------------------------
# The two application marks: a "T" for the builder, rising candles for every setup program.

design_app() {
    fill "$NAVY"; rbox 0 0 15 15 3
    fill "$AMBER"; box 3 3 12 5
    fill "$MIST"; box 6 6 9 12
}

design_setup() {
    fill "$TEAL"; rbox 0 0 15 15 3
    fill "$MINT"; box 3 8 3 13; box 2 9 4 12
    box 7 5 7 11; box 6 6 8 10
    fill "$AMBER"; box 11 2 11 8; box 10 3 12 7
}

# ---------------------------------------------------------------------------------------------
# Shared pieces.

# sheet X0 Y0 X1 Y1 [FOLD]: a white page with a folded top-right corner.
sheet() {
    local f=${5:-3}
    paint "$WHITE" "$INK"
    poly "$1" "$2" $(($3 - f)) "$2" "$3" $(($2 + f)) "$3" "$4" "$1" "$4"
    paint "$MIST" "$INK"
    poly $(($3 - f)) "$2" $(($3 - f)) $(($2 + f)) "$3" $(($2 + f))
}

# rules X0 X1 Y STEP COUNT: lines of text on a page, the last one shorter.
rules() {
    local i
    fill "$TEAL"
    for ((i = 0; i < $5; i++)); do
        if ((i == $5 - 1)); then box "$1" $(($3 + i * $4)) $((($1 + $2) / 2)) $(($3 + i * $4))
        else box "$1" $(($3 + i * $4)) "$2" $(($3 + i * $4)); fi
    done
}

# badge CX CY COLOUR: a round badge for the small list-button icons.
badge() {
    paint "$3" "$WHITE"
    disc "$1" "$2" 4
}

# ---------------------------------------------------------------------------------------------
# Section icons of the builder's navigator.

design_files() {
    frame "$INK" "$MINT" 5 1 13 11
    sheet 2 4 10 14
    rules 4 8 9 2 3
}

design_options() {
    local x y knob
    for y in 3 8 13; do
        fill "$INK"; box 1 "$y" 14 "$y"
    done
    for knob in "10 3" "4 8" "8 13"; do
        read -r x y <<<"$knob"
        frame "$AMBER_DARK" "$AMBER" $((x - 1)) $((y - 2)) $((x + 1)) $((y + 2))
    done
}

design_license() {
    sheet 2 1 12 14
    rules 4 10 5 2 3
    fill "$AMBER_DARK"; box 8 12 9 15; box 12 12 13 15
    paint "$AMBER" "$AMBER_DARK"; disc 10.5 10.5 3
}

design_readme() {
    fill "$TEAL"; box 0 4 15 14
    frame "$INK" "$WHITE" 1 2 7 12
    frame "$INK" "$WHITE" 8 2 14 12
    fill "$INK"; box 7 13 8 13
    rules 3 5 5 2 3
    rules 10 12 5 2 3
}

design_whatsnew() {
    paint "$AMBER" "$AMBER_DARK"
    poly 7.5 0.7 9.4 5.7 14.7 6.0 10.5 9.3 12.0 14.4 7.5 11.5 3.0 14.4 4.5 9.3 0.3 6.0 5.6 5.7
}

design_customize() {
    frame "$INK" "$MIST" 0 2 15 13
    fill "$AMBER"; disc 10.5 5.5 1.8
    fill "$TEAL"; poly 1 12 5 6 8 9.5 10 7.5 14 12
}

design_build() {
    paint "$MINT" "$INK"; poly 8 1 14 4 8 7 2 4
    paint "$TEAL" "$INK"; poly 2 4 8 7 8 14 2 11
    paint "$TEAL_MID" "$INK"; poly 8 7 14 4 14 11 8 14
    line "$AMBER" 1 5 2.5 11 5.5 11 12.5
}

# ---------------------------------------------------------------------------------------------
# List buttons and the update mark.

design_add() {
    sheet 1 0 10 13
    rules 3 7 5 2 3
    badge 11 11 "$TEAL"
    fill "$WHITE"; box 9 11 13 11; box 11 9 11 13
}

design_edit() {
    sheet 1 0 10 13
    rules 3 7 5 2 3
    paint "$AMBER" "$INK"; poly 6 12 12 6 14 8 8 14
    paint "$RED" "$INK"; poly 12 6 13.5 4.5 15.5 6.5 14 8
    paint "$MIST" "$INK"; poly 6 12 8 14 4.5 15.5
}

design_remove() {
    sheet 1 0 10 13
    rules 3 7 5 2 3
    badge 11 11 "$RED"
    fill "$WHITE"; box 9 11 13 11
}

design_update() {
    paint "$RED" "$RED_DARK"; poly 7.5 0.5 14.5 7.5 10.5 7.5 10.5 14.5 4.5 14.5 4.5 7.5 0.5 7.5
    fill "$AMBER"; poly 7.5 2 12 6.5 3 6.5
}

# ---------------------------------------------------------------------------------------------
# Main toolbar (24 x 23) and menu (16 x 16) images. The 24 designs have their own grid.

# sparkle CX CY R: an amber four-pointed star, the mark of something new.
sparkle() {
    fill "$AMBER"
    # shellcheck disable=SC2046 # the points are meant to split into words
    poly $(awk -v x="$1" -v y="$2" -v r="$3" 'BEGIN {
        q = r / 3.5
        print x, y - r, x + q, y - q, x + r, y, x + q, y + q
        print x, y + r, x - q, y + q, x - r, y, x - q, y - q
    }')
}

design_new() {
    sheet 2 1 12 15
    rules 4 10 7 2 4
    sparkle 12.5 3.5 3.5
}

design_tb_new() {
    sheet 4 1 18 21 5
    rules 7 15 10 3 4
    sparkle 18.5 5.5 5
}

design_open() {
    paint "$AMBER_DARK" "$AMBER_DARK"; box 1 2 6 3; box 1 3 13 13
    frame "$INK" "$WHITE" 3 5 12 10
    paint "$AMBER" "$AMBER_DARK"; poly 4 7 15 7 12 13 1 13
}

design_tb_open() {
    paint "$AMBER_DARK" "$AMBER_DARK"; box 1 3 9 5; box 1 5 19 19
    frame "$INK" "$WHITE" 4 7 17 14
    paint "$AMBER" "$AMBER_DARK"; poly 6 10 22.5 10 18.5 19 1 19
}

design_save() {
    frame "$INK" "$TEAL" 1 1 14 14
    fill "$MIST"; box 4 2 11 6
    fill "$INK"; box 9 3 10 5
    frame "$INK" "$WHITE" 3 9 12 14
    fill "$TEAL"; box 5 11 10 11
}

design_tb_save() {
    frame "$INK" "$TEAL" 2 1 21 20
    fill "$MIST"; box 6 2 17 8
    fill "$INK"; box 13 3 15 7
    frame "$INK" "$WHITE" 5 12 18 20
    fill "$TEAL"; box 8 14 15 14; box 8 17 15 17
}

design_tb_test() {
    paint "$TEAL_MID" "$TEAL"; disc 11.5 11 10
    fill "$WHITE"; poly 8.5 5.5 17 11 8.5 16.5
}

design_exit() {
    frame "$INK" "$MIST" 1 0 10 15
    paint "$TEAL" "$INK"; poly 2 1 7 3 7 15 2 14
    fill "$WHITE"; box 5 8 5 9
    line "$AMBER_DARK" 2 9 7.5 13.5 7.5
    paint "$AMBER" "$AMBER_DARK"; poly 12 4 15.5 7.5 12 11
}

# info and question marks on a disc; glyphs are placed from the disc's centre.
design_about() {
    paint "$TEAL" "$INK"; disc 7.5 7.5 7
    fill "$WHITE"; box 7 6 8 12; box 6 6 7 6; box 6 12 9 12; disc 7.5 3.5 1.2
}

design_tb_about() {
    paint "$TEAL" "$INK"; disc 11.5 11 10
    fill "$WHITE"; box 10 9 13 17; box 9 9 10 10; box 9 17 14 18; disc 11.5 5.5 1.9
}

design_help() {
    paint "$AMBER" "$AMBER_DARK"; disc 7.5 7.5 7
    glyph "$NAVY" "$SANS_BOLD" 12 4 12.3 '?'
}

design_tb_help() {
    paint "$AMBER" "$AMBER_DARK"; disc 11.5 11 10
    glyph "$NAVY" "$SANS_BOLD" 17 6.6 17.3 '?'
}

# ---------------------------------------------------------------------------------------------
# Rich text editor toolbar, 16 x 15 each.

design_rt_font() {
    glyph "$INK" "$SERIF_BOLD" 12 1 12 'A'
    glyph "$TEAL" "$SANS_BOLD" 8 9.5 12 'a'
}

design_rt_colour() {
    glyph "$INK" "$SANS_BOLD" 12 3 10 'A'
    fill "$AMBER"; box 1 12 14 14
}

design_rt_bold() { glyph "$INK" "$SANS_BOLD" 13 3 12 'B'; }
design_rt_italic() { glyph "$INK" "$SERIF_BOLD_ITALIC" 13 4 12 'I'; }

design_rt_underline() {
    glyph "$INK" "$SANS_BOLD" 12 3 10 'U'
    fill "$INK"; box 2 13 13 13
}

# text ROWS: lines LEFT..RIGHT for each row "y left right"
text_rows() {
    fill "$INK"
    while (($# >= 3)); do box "$2" "$1" "$3" "$1"; shift 3; done
}

design_rt_left() { text_rows 2 1 14 4 1 9 6 1 14 8 1 9 10 1 14 12 1 9; }
design_rt_centre() { text_rows 2 1 14 4 4 11 6 1 14 8 4 11 10 1 14 12 4 11; }
design_rt_right() { text_rows 2 1 14 4 6 14 6 1 14 8 6 14 10 1 14 12 6 14; }

design_rt_indent() {
    text_rows 2 1 14 4 7 14 6 7 14 8 7 14 10 7 14 12 1 14
    fill "$AMBER"; poly 1 4.5 4.5 7 1 9.5
}

design_rt_outdent() {
    text_rows 2 1 14 4 7 14 6 7 14 8 7 14 10 7 14 12 1 14
    fill "$AMBER"; poly 4.5 4.5 1 7 4.5 9.5
}

design_rt_bullets() {
    fill "$TEAL"; box 1 2 3 4; box 1 6 3 8; box 1 10 3 12
    text_rows 3 6 14 7 6 14 11 6 14
}

design_rt_cut() {
    line "$INK" 1 5.5 9 10.5 1
    line "$INK" 1 9.5 9 4.5 1
    ring "$RED" 1.4 4 11.5 2.2
    ring "$RED" 1.4 11 11.5 2.2
}

design_rt_copy() {
    sheet 1 0 9 10
    sheet 6 4 14 14
    rules 8 12 9 2 3
}

design_rt_paste() {
    frame "$AMBER_DARK" "$AMBER" 1 1 11 14
    frame "$INK" "$MIST" 4 0 8 2
    sheet 6 5 14 14
    rules 8 12 9 2 3
}

design_rt_undo() {
    arc "$TEAL" 2 6 5.5 7 13 12.5 1
    fill "$TEAL"; poly 0.5 5.5 6 1 6 10
}

design_rt_empty() { :; }

# ---------------------------------------------------------------------------------------------
# Pictures: the setup banner and the About picture. Flat bands, hard-edged shapes and few
# colours keep the run-length encoded bitmaps small; strokes are at least two pixels wide so
# that they survive the setup pages shrinking the banner to about three quarters.

# mix VAR HEX1 HEX2 I N: the colour I/N of the way from HEX1 to HEX2.
mix() {
    local a=${2#\#} b=${3#\#} i=$4 n=$5
    printf -v "$1" '#%02X%02X%02X' \
        $(((16#${a:0:2} * (n - i) + 16#${b:0:2} * i) / n)) \
        $(((16#${a:2:2} * (n - i) + 16#${b:2:2} * i) / n)) \
        $(((16#${a:4:2} * (n - i) + 16#${b:4:2} * i) / n))
}

SKY_TOP=#0A1E30
SKY_BOTTOM=#125563

# lift VAR HEX STEP: a colour about STEP lighter per channel that keeps every bit of HEX set.
# A setup page may shrink the banner in the default stretch mode, which ANDs merged pixels; a
# faint line drawn in such a colour then melts into its background instead of turning dark.
lift() {
    local hex=${2#\#} lifted="#" at value up best
    for at in 0 2 4; do
        value=$((16#${hex:at:2}))
        best=$value
        for ((up = value + 1; up <= value + 2 * $3 && up <= 255; up++)); do
            if (((up & value) == value)); then
                local d=$((up - value - $3)) e=$((best - value - $3))
                ((d < 0)) && d=$((-d))
                ((e < 0)) && e=$((-e))
                ((best == value || d < e)) && best=$up
            fi
        done
        lifted+=$(printf '%02X' "$best")
    done
    printf -v "$1" '%s' "$lifted"
}

# bands W H N [LIFT]: a vertical gradient from SKY_TOP to SKY_BOTTOM in N flat bands, each
# lifted by LIFT if given. The low three bits of every channel are clear, so that every band
# has light colours to lift to.
bands() {
    local i c out=""
    for ((i = 0; i < $3; i++)); do
        mix c "$SKY_TOP" "$SKY_BOTTOM" "$i" $(($3 - 1))
        printf -v c '#%02X%02X%02X' \
            $((16#${c:1:2} & 0xF8)) $((16#${c:3:2} & 0xF8)) $((16#${c:5:2} & 0xF8))
        ((${4:-0} > 0)) && lift c "$c" "$4"
        out+=" fill $c rectangle 0,$((i * $2 / $3)) $(($1 - 1)),$(((i + 1) * $2 / $3 - 1))"
    done
    echo "$out"
}

# sky OUT.png W H N LIFT MASK...: the banded sky; where a mask (white shapes on black, drawn
# without anti-aliasing) is set, the sky is lifted by LIFT, then by LIFT more for the next mask.
sky() {
    local out=$1 w=$2 h=$3 n=$4 step=$5 level=0 args=()
    shift 5
    for mask in "$@"; do
        level=$((level + step))
        args+=(\( -size "${w}x$h" xc:none -draw "$(bands "$w" "$h" "$n" "$level")" \)
            \( -size "${w}x$h" xc:black -draw "fill white stroke white $mask" \) -composite)
    done
    convert -size "${w}x$h" xc:none -draw "$(bands "$w" "$h" "$n")" "${args[@]}" "$out"
}

# chart X0 PITCH BASE CANDLES...: candlesticks, each "open close high low volume" in pixels (y
# grows downwards, so a rising candle closes above its open). Prints three parts separated by
# "|": the candles, volume bars standing on row BASE (as a mask), the path through the closes.
chart() {
    local x0=$1 pitch=$2 base=$3 i=0 x hollow out="" bars="" path="" o cl hi lo v candle
    shift 3
    mix hollow "$SKY_TOP" "$SKY_BOTTOM" 1 2
    for candle in "$@"; do
        read -r o cl hi lo v <<<"$candle"
        x=$((x0 + pitch * i))
        i=$((i + 1))
        out+=" fill $MINT"
        if ((cl < o)); then
            out+=" rectangle $((x - 1)),$hi $x,$lo rectangle $((x - 5)),$cl $((x + 4)),$o"
        else # a falling candle is drawn hollow
            out+=" rectangle $((x - 1)),$hi $x,$lo rectangle $((x - 5)),$o $((x + 4)),$cl"
            out+=" fill $hollow rectangle $((x - 3)),$((o + 2)) $((x + 2)),$((cl - 2))"
        fi
        bars+=" rectangle $((x - 5)),$((base - v)) $((x + 4)),$base"
        path+=" L $x,$cl"
    done
    echo "$out|$bars|${path# L }"
}

# trend WIDTH PATH: the amber line through a chart's closes.
trend() {
    echo "fill none stroke $AMBER stroke-width $1 stroke-linejoin round stroke-linecap round" \
        "path '$2'"
}

# banner OUT.png [plain]: the 160 x 320 setup banner; plain leaves out the faint rings, which
# cost the run-length encoded bitmap a third of its bytes.
banner() {
    local glow="" y r parts candles bars line rings="28 56 90 130"
    [[ ${2:-} == plain ]] && rings=""
    for y in 110 150 190 230; do glow+=" rectangle 0,$y 159,$((y + 1))"; done
    for r in $rings; do
        glow+=" push graphic-context fill none stroke-width 2 stroke-antialias false"
        glow+=" circle 150,116 $((150 + r)),116 pop graphic-context"
    done
    parts=$(chart 17 18 299 "232 214 208 240 14" "214 222 210 228 9" "222 198 192 226 18" \
        "198 206 194 212 8" "206 178 170 210 22" "178 184 172 192 11" "184 156 148 188 20" \
        "156 132 124 160 26")
    candles=${parts%%|*}
    bars=${parts#*|}; bars=${bars%%|*}
    line="M 6,236 L ${parts##*|} L 150,116"
    sky "$WORK/banner-sky.png" 160 320 10 8 "$glow" "$bars"
    convert "$WORK/banner-sky.png" -draw "$candles" \
        -draw "$(trend 3 "$line")" -draw "fill $AMBER stroke none circle 150,116 155,116" \
        -draw "fill none stroke ${AMBER}66 stroke-width 2 circle 150,116 159,116" \
        -alpha off -define png:exclude-chunks=date,time "$1"
}

# about OUT.png: the 110 x 190 picture of the builder's About box: the mark, the name, a chart.
about() {
    local parts candles bars line
    render app 4 64 64 "$WORK/about-mark.png"
    parts=$(chart 20 14 181 "168 156 152 172 8" "156 162 150 166 5" "162 146 140 166 11" \
        "146 150 140 156 6" "150 132 126 154 13" "132 122 116 136 15")
    candles=${parts%%|*}
    bars=${parts#*|}; bars=${bars%%|*}
    line="M 6,166 L ${parts##*|} L 102,114"
    sky "$WORK/about-sky.png" 110 190 6 16 "$bars"
    convert "$WORK/about-sky.png" \
        -draw "fill $TEAL roundrectangle 21,16 88,83 14,14" \
        "$WORK/about-mark.png" -geometry +23+18 -composite \
        -draw "fill $WHITE font '$SANS_BOLD' font-size 19 gravity north text 0,90 'Tessark'" \
        -draw "$candles" \
        -draw "$(trend 2 "$line")" -draw "fill $AMBER stroke none circle 102,114 105,114" \
        -alpha off -define png:exclude-chunks=date,time "$1"
}

# ---------------------------------------------------------------------------------------------
# Output formats.

# icon OUT.ico DESIGN K...: a Windows icon with one 32-bit image (alpha) per scale.
icon() {
    local out=$1 design=$2 k files=()
    shift 2
    for k in "$@"; do
        render "$design" "$k" $((16 * k)) $((16 * k)) "$WORK/$design-$k.png"
        files+=("$WORK/$design-$k.png")
    done
    convert "${files[@]}" -depth 8 "$OUT/$out"
}

# palette_icon OUT.ico DESIGN K...: a Windows icon with one 16-colour image per scale, for the
# icon every setup program carries (a fifth of the 32-bit size). A pixel at least half covered is
# kept, the rest is transparent: the design's few flat colours need no more.
palette_icon() {
    local out=$1 design=$2 k files=()
    shift 2
    for k in "$@"; do
        render "$design" "$k" $((16 * k)) $((16 * k)) "$WORK/$design-$k-soft.png"
        convert "$WORK/$design-$k-soft.png" -channel A -threshold 50% +channel \
            "$WORK/$design-$k.png"
        files+=("$WORK/$design-$k.png")
    done
    convert "${files[@]}" -colors 16 -type PaletteMatte "$OUT/$out"
}

# strip OUT.bmp WIDTH HEIGHT DESIGN...: images side by side on magenta, the colour the programs
# treat as transparent. A pixel at least a quarter covered is kept, its soft edge blended with the
# light grey of a button face; the rest becomes magenta. 24-bit and uncompressed: image lists
# made from palette bitmaps lose colours with some loaders.
strip() {
    local out=$1 w=$2 h=$3 design files=()
    shift 3
    for design in "$@"; do
        render "$design" 1 "$w" "$h" "$WORK/$design.png"
        files+=("$WORK/$design.png")
    done
    convert "${files[@]}" +append "$WORK/strip-rgba.png"
    convert "$WORK/strip-rgba.png" -background "$BUTTON_FACE" -alpha remove -alpha off \
        "$WORK/strip-matte.png"
    convert "$WORK/strip-rgba.png" -alpha extract -threshold 25% "$WORK/strip-mask.png"
    convert -size "$(($# * w))x$h" "xc:$MAGENTA" "$WORK/strip-matte.png" "$WORK/strip-mask.png" \
        -composite -type TrueColor -compress None "BMP3:$OUT/$out"
}

# bitmap IN.png OUT.bmp rle|plain: 8-bit palettised bitmap, run-length encoded or not.
bitmap() {
    local compress=None
    [[ $3 == rle ]] && compress=RLE
    convert "$1" -dither None -colors 256 -type Palette -compress "$compress" "BMP3:$OUT/$2"
}

# bitmap16 IN.png OUT.bmp: a 16-colour bitmap compressed with RLE4 (scripts/bmp_rle4.py), for
# the setup's built-in banner, which every setup carries and which shows only where the
# product's own banner picture cannot be loaded.
bitmap16() {
    convert "$1" -dither None -colors 16 -depth 8 "$WORK/bitmap16.ppm"
    python3 scripts/bmp_rle4.py "$WORK/bitmap16.ppm" "$OUT/$2"
}

# ---------------------------------------------------------------------------------------------

main() {
    # every setup program and its uninstaller
    palette_icon setup.ico setup 1 2
    banner "$WORK/banner-plain.png" plain
    bitmap16 "$WORK/banner-plain.png" setup-banner.bmp
    banner "$WORK/banner.png"
    convert "$WORK/banner.png" -strip -sampling-factor 1x1 -quality 90 "$OUT/setup-banner.jpg"

    # the builder
    icon builder.ico app 1 2 3
    icon section-files.ico files 1 2
    icon section-options.ico options 1 2
    icon section-license.ico license 1 2
    icon section-readme.ico readme 1 2
    icon section-whatsnew.ico whatsnew 1 2
    icon section-customize.ico customize 1 2
    icon section-build.ico build 1 2
    icon list-add.ico add 1
    icon list-edit.ico edit 1
    icon list-remove.ico remove 1
    icon update.ico update 1
    about "$WORK/about.png"
    bitmap "$WORK/about.png" about.bmp rle
    bitmap "$WORK/banner.png" banner-preview.bmp plain
    strip toolbar.bmp 24 23 tb_new tb_open tb_save tb_test tb_about tb_help
    strip menu.bmp 16 16 new open save exit help about
    strip richedit-toolbar.bmp 16 15 rt_font rt_colour rt_bold rt_italic rt_underline rt_left \
        rt_centre rt_right rt_indent rt_outdent rt_bullets rt_cut rt_copy rt_paste rt_undo rt_empty
}

main "$@"
