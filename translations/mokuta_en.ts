<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja_JP">
<context>
    <name>Accessible</name>
    <message>
        <location filename="../render/Accessible.cpp" line="+26"/>
        <source>髪</source>
        <translation>Hair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>やる気</source>
        <translation>Drive</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>体調</source>
        <translation>Health</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>日数</source>
        <translation>Day</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>お知らせ</source>
        <translation>Messages</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>行動 1</source>
        <translation>Action 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>行動 2</source>
        <translation>Action 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>行動 3</source>
        <translation>Action 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>髪の増減 1</source>
        <translation>Hair change 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>髪の増減 2</source>
        <translation>Hair change 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>髪の増減 3</source>
        <translation>Hair change 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>使用中の育毛剤</source>
        <translation>Hair product in use</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>育毛剤の効果</source>
        <translation>Hair product&apos;s daily gain</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>もくた君</source>
        <translation>Mokuta-kun</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ルーレット</source>
        <translation>Roulette</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>賞品</source>
        <translation>Prize</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>行動の欄</source>
        <translation>Actions panel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>質問の欄</source>
        <translation>Question panel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>キー: Tab と Shift+Tab で移動、1・2・3 で左・中・右の行動を選ぶ、Enter で決定（ボーナスデーは Go）、Space でボタンを押す、Y と N で質問に答える。</source>
        <translation>Keys: Tab and Shift+Tab move, 1, 2 and 3 pick the left, middle or right plan, Enter plays the day (Go on a bonus day), Space presses a button, Y and N answer the question.</translation>
    </message>
    <message>
        <location line="+294"/>
        <source>今日の行動 %1</source>
        <translation>Today&apos;s plan %1</translation>
    </message>
    <message>
        <location filename="../render/Announcer.cpp" line="+29"/>
        <source>成功</source>
        <translation>succeeded</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>失敗</source>
        <translation>failed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>選択</source>
        <translation>Picked</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>低い</source>
        <translation>low</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>。</source>
        <translation>. </translation>
    </message>
    <message>
        <location line="+229"/>
        <source>%1本</source>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>Act_Name</name>
    <message>
        <location filename="../game/RuleTables.h" line="+18"/>
        <source>ごはん</source>
        <translation>Eat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>おやつ</source>
        <translation>Snack</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>タバコ</source>
        <translation>Smoke</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ぼんやり</source>
        <translation>Chill</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>おでかけ</source>
        <translation>Go out</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>バイト</source>
        <translation>Work</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>サボリ</source>
        <translation>Skip</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ねる</source>
        <translation>Sleep</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>よあそび</source>
        <translation>Party</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>おさけ</source>
        <translation>Drink</translation>
    </message>
</context>
<context>
    <name>Bonus</name>
    <message>
        <location filename="../game/Bonus.cpp" line="+27"/>
        <source>スカです</source>
        <translation>A dud</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>抜毛予防スプレーをゲットしました</source>
        <translation>You got the anti-hair-loss Spray</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>育毛剤をゲット！</source>
        <translation>You got the hair Tonic!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>発毛剤をゲット！</source>
        <translation>You got the Regrow formula!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>フエル軟膏をゲット！</source>
        <extracomment>フエル (&quot;it grows&quot;) is the ointment&apos;s brand name: a pun on what it promises.</extracomment>
        <translation>You got Gro-More Balm!</translation>
    </message>
    <message>
        <location line="+78"/>
        <location filename="../game/Encounters.cpp" line="+148"/>
        <source>ボーナスデーです</source>
        <translation>It&apos;s a bonus day</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>ルーレットで育毛剤をゲットしてください</source>
        <translation>Spin the roulette to win a hair product</translation>
    </message>
</context>
<context>
    <name>Callers</name>
    <message>
        <location filename="../game/Encounters.cpp" line="-130"/>
        <source>すっかり日焼けしました。</source>
        <translation>He got a deep tan.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>しかも金髪にしました。</source>
        <translation>And he went blond, too.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>けっこうイケてるじゃん。</source>
        <translation>Lookin&apos; pretty hot, huh?</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>これって、デートだよね！&#x3000;ね！</source>
        <translation>This is a date, right? Right?!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>荷物持ちです。</source>
        <translation>He&apos;s just her bag carrier.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>じょーだんポイ。</source>
        <translation>Ha, just kidding~ Buh-bye!</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>ロングヘアは、やはり間違いです。</source>
        <translation>Long hair was a mistake after all.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>似合いすぎ！&#x3000;カッコ良すぎ！</source>
        <translation>It suits me! I&apos;m way too cool!</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>昆虫エキスたっぷりです。</source>
        <translation>It&apos;s loaded with insect extract.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>ぎもじわるい～！<byte value="xd"/>
どろどろ～、うぇ～。</source>
        <translation>I feel siiick~!<byte value="xd"/>
All gloopy~ Bleurgh~</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>わぉ。</source>
        <translation>Wow.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>髪の毛が20,000本増えました。</source>
        <translation>He gained 20,000 hairs.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>カツラで頭がムレムレっす！<byte value="xd"/>
・・・あ、抜けまくり。</source>
        <translation>This wig&apos;s got my scalp all sweaty!<byte value="xd"/>
...Oh no, it&apos;s all falling out.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>あら、髪の毛がいたみまくり。<byte value="xd"/>
パサパサっす。</source>
        <translation>Whoa, my hair&apos;s totally fried.<byte value="xd"/>
All dry and frizzy, man.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>髪の毛が20,000本減りました。</source>
        <translation>He lost 20,000 hairs.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>誰かが呼んでいます</source>
        <translation>Someone is calling him</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>この話にのりますか？</source>
        <translation>Take the offer?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ＹｅｓかＮｏを選んでください</source>
        <translation>Choose yes or no</translation>
    </message>
</context>
<context>
    <name>Day</name>
    <message>
        <location filename="../game/Day.cpp" line="+142"/>
        <location filename="../app/Title.cpp" line="+58"/>
        <source>今日の行動を決めてください</source>
        <translation>Choose what he does today</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../render/ElementTable.cpp" line="+32"/>
        <source>はじめ</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>レッツ育毛！</source>
        <translation>Let&apos;s grow!</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>おしまい</source>
        <translation>The End</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yes</source>
        <translation>yes</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>決定</source>
        <translation>Do it</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>もっと</source>
        <translation>More</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Go</source>
        <translation>Go</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ボーナスルーレット</source>
        <translation>Bonus Roulette</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>BGM</source>
        <translation>BGM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>本</source>
        <translation>​</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>もく</source>
        <translation>Day</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>体調</source>
        <translation>Health</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>やる気</source>
        <translation>Drive</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>髪</source>
        <translation>hair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>今日の行動</source>
        <translation>Today&apos;s plan</translation>
    </message>
    <message>
        <location filename="../render/ElementTable.h" line="+51"/>
        <source>もくた君 1.20</source>
        <translation>Mokuta-kun 1.20</translation>
    </message>
</context>
<context>
    <name>Hero</name>
    <message>
        <location filename="../render/Hero.cpp" line="+33"/>
        <source>落ち着いた顔</source>
        <translation>calm face</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>きょとんとした顔</source>
        <translation>puzzled face</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>がっくりした顔</source>
        <translation>crestfallen face</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>疲れた顔</source>
        <translation>tired face</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>悲しそうな顔</source>
        <translation>sad face</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>泣き顔</source>
        <translation>crying face</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>しらけた顔</source>
        <translation>unimpressed face</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>大喜びの顔</source>
        <translation>overjoyed face</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>照れた顔</source>
        <translation>bashful face</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>苦笑い</source>
        <translation>wry smile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>痛そうな顔</source>
        <translation>pained face</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>うれしそうな顔</source>
        <translation>happy face</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>キメ顔で親指を立てている</source>
        <translation>posing smugly with a thumbs-up</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>髪はない</source>
        <translation>no hair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>てっぺんにだけ短い髪</source>
        <translation>short hair on top only</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>短いツンツン頭</source>
        <translation>short spiky hair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>前髪のあるふつうの髪</source>
        <translation>ordinary hair with a fringe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ふさふさの髪</source>
        <translation>thick bushy hair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>金髪のツンツン頭</source>
        <translation>blond spiky hair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ロングヘアのカツラ</source>
        <translation>a long-haired wig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>金髪の前髪</source>
        <translation>blond hair with a fringe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>てっぺんにだけ金髪</source>
        <translation>blond hair on top only</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>タバコを持ってピースしている</source>
        <translation>flashing a peace sign with a cigarette</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>扇子をかかげている</source>
        <translation>holding up a fan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>女の子の買い物の荷物を持っている</source>
        <translation>carrying the girl&apos;s shopping</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ビールを飲んでいる</source>
        <translation>drinking a beer</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>あやしい老人が薬を差し出している。</source>
        <translation>A shady old man holds out a medicine.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>日焼けしている</source>
        <translation>tanned</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>友だちがそばにいる</source>
        <translation>his friend beside him</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>女の子がそばにいる</source>
        <translation>a girl beside him</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>、</source>
        <extracomment>What joins the parts of the hero&apos;s description, and what ends it.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>。</source>
        <translation>.</translation>
    </message>
</context>
<context>
    <name>Item_Name</name>
    <message>
        <location filename="../game/RuleTables.h" line="+23"/>
        <source>スカ</source>
        <translation>Dud</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>抜毛予防</source>
        <translation>Spray</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>育毛剤</source>
        <translation>Tonic</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>発毛剤</source>
        <translation>Regrow</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>なんこう</source>
        <translation>Balm</translation>
    </message>
</context>
<context>
    <name>Items</name>
    <message>
        <location filename="../game/Items.cpp" line="+18"/>
        <source>抜毛が減りそう。</source>
        <translation>Looks like less hair will fall out.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>すごく効き目があるようです</source>
        <translation>It seems to work really well</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>すごい効き目です。髪の毛が生えてきました</source>
        <translation>Amazing stuff. New hair is growing in</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>たいした効き目はなさそうです</source>
        <translation>It doesn&apos;t seem to do much</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+3"/>
        <source>効果はありませんでした</source>
        <translation>It had no effect</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+1"/>
        <source>あらら、お肌に合いません</source>
        <translation>Oops, it doesn&apos;t agree with his scalp</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>髪の毛が%1本減ります</source>
        <extracomment>%1 is the number of hairs, written with thousands separators.</extracomment>
        <translation>He loses %1 hairs</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>%1を使用しますか？<byte value="xd"/>
成功率%2%</source>
        <extracomment>%1 is the prize&apos;s name; %2 its rate as digits after one blank (&quot; 90&quot;).</extracomment>
        <translation>Use the %1?<byte value="xd"/>
Success rate%2%</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1を４日間使用します</source>
        <translation>He&apos;ll use the %1 for 4 days</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1は使いません</source>
        <translation>He won&apos;t use the %1</translation>
    </message>
</context>
<context>
    <name>Load</name>
    <message>
        <location filename="../app/Form1.cpp" line="+52"/>
        <source>音のファイルがない。</source>
        <translation>A sound file is missing.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>エラーです。</source>
        <translation>Something went wrong.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>絵のファイルがない。</source>
        <translation>A picture file is missing.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>既に起動しています。</source>
        <translation>The game is already running.</translation>
    </message>
</context>
<context>
    <name>Mes_Text</name>
    <message>
        <location filename="../game/RuleTables.h" line="+16"/>
        <source>やってらんねぇ。</source>
        <translation>Screw this, man.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>だるいなぁ。</source>
        <translation>Ugh, I&apos;m so beat.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>なんか調子悪いな。</source>
        <translation>I feel kinda off.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>おいおい。</source>
        <translation>Whoa, whoa.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>なんだよ、それ。</source>
        <translation>Aw, what the heck?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>とりあえず、こんなもんか。</source>
        <translation>Well, that&apos;ll do for now.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>お、いいねぇ。</source>
        <translation>Ooh, nice.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>は、発毛っすか！？</source>
        <translation>R-regrowth?! For real?!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>あ、あやしいな。</source>
        <translation>Th-that looks fishy.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>あれ、なんかヘンだな。</source>
        <translation>Huh? Something&apos;s off.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>うわっ！&#x3000;抜けまくり</source>
        <translation>Whoa! It&apos;s all falling out</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ひぇー！&#x3000;痛いっすぅ～</source>
        <translation>Yeow! It hurts, maaan~</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>かゆくなったぞ！</source>
        <translation>Argh, it itches!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>はやくフサフサにならないかな</source>
        <translation>Can&apos;t wait to get all bushy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>調子がいいな。</source>
        <translation>Feeling good.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>やったぉ！</source>
        <translation>Yesss!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>だめ人間・・・。</source>
        <translation>What a bum I am...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>お。</source>
        <translation>Oh?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>フロあがりには<byte value="xd"/>
これをスプレーっすね。</source>
        <translation>Fresh out of the bath,<byte value="xd"/>
a quick spray of this, man.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>毛乳頭を刺激するぅー。<byte value="xd"/>
きもちいいー。</source>
        <translation>Wakes up my hair roots~<byte value="xd"/>
Feels sooo good~</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ひぇ～！<byte value="xd"/>
すごくしみるけど、効きそう～！</source>
        <translation>Yeeow~!<byte value="xd"/>
Stings like mad, but it&apos;s working~!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>なんか&#x3000;効いてるような<byte value="xd"/>
そうでもないような。</source>
        <translation>Kinda feels like it works,<byte value="xd"/>
kinda feels like it doesn&apos;t.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>もう、抜ける毛がないっす！！</source>
        <translation>No more hair left to lose, man!!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>やったぉ。フサフサになったぅ！</source>
        <translation>Yesss. I&apos;m all bushy nowww!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>やあ、モクタ。</source>
        <extracomment>Caller 0, the hero&apos;s friend, asks him to the tanning salon; then the hero answers yes or no.</extracomment>
        <translation>Yo, Mokuta.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>一緒に日焼けサロンに行こうぜ</source>
        <translation>Let&apos;s hit the tanning salon, man</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>いいねぇ。<byte value="xd"/>
焼けた肌にはやっぱ金髪かなぁ</source>
        <translation>Sweet.<byte value="xd"/>
Tanned skin calls for blond hair, right?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>おまえ一人で行ってこいよ。</source>
        <translation>Go by yourself, dude.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ねえ。</source>
        <extracomment>Caller 1, a girl, asks him to go shopping on his day off; then the hero answers yes or no.</extracomment>
        <translation>Heyyy.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>今度のお休みさぁ。<byte value="xd"/>
買物に付き合ってくれない？</source>
        <translation>So, on your next day off...<byte value="xd"/>
Wanna come shopping with me?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>うんうん。いくいく～。</source>
        <translation>Yeah, yeah! I&apos;m in, I&apos;m in~!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>やなこったっす。</source>
        <translation>No way, man.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>お～い。</source>
        <extracomment>Caller 2, the friend again, says he should wear a wig; then the hero answers yes or no.</extracomment>
        <translation>Hey, over here!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>おまえさぁ。頭かなりヤバいから<byte value="xd"/>
カツラにしたら？</source>
        <translation>Dude, your head&apos;s in bad shape.<byte value="xd"/>
Why not get a wig?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>そうだな。<byte value="xd"/>
どうせやるならロングヘアだぜ！</source>
        <translation>Good call.<byte value="xd"/>
If I&apos;m doing it, it&apos;s gotta be long!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>そんなにヤバくないって！</source>
        <translation>It&apos;s not THAT bad!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>若人、ちょっと待ちなされ。</source>
        <extracomment>Caller 3, a strange old man, speaks old-fashioned and offers a medicine; then the hero answers.</extracomment>
        <translation>Young man, tarry a moment.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>この薬を持っていきなさい。<byte value="xd"/>
これで、毛が・・・</source>
        <translation>Take this medicine with thee.<byte value="xd"/>
With it, thy hair shall...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>こ、これ飲むと毛がはえるのか！？</source>
        <translation>I-if I drink this, hair&apos;ll grow?!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>あやしいよそれ。いらない。<byte value="xd"/>
ムカデみたいなの入ってるし。</source>
        <translation>That&apos;s sketchy. I&apos;ll pass.<byte value="xd"/>
There&apos;s like a centipede in it.</translation>
    </message>
</context>
<context>
    <name>RealHost</name>
    <message>
        <location filename="../platform/RealHost.cpp" line="+107"/>
        <source>もくた君</source>
        <translation>Mokuta-kun</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <location filename="../game/Status.cpp" line="+60"/>
        <source>ハ</source>
        <extracomment>The big letters either side of the bald hero: one word split in two, or two short words.</extracomment>
        <translation>CUE</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ゲ</source>
        <translation>BALL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ハゲました</source>
        <translation>He&apos;s gone bald</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>フ</source>
        <extracomment>The big letters either side of the hero with a full head of hair.</extracomment>
        <translation>MOP</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>サ</source>
        <translation>TOP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>フサフサになりました</source>
        <translation>He&apos;s got a full head of hair</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>やる気がないようです</source>
        <translation>He seems to have lost his drive</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>やる気がでてきたようです</source>
        <translation>His drive seems to be back</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>不健康のようです</source>
        <translation>He seems to be in poor health</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>健康になったようです</source>
        <translation>He seems to be healthy again</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>スキンヘッドもイカしてるぜ。</source>
        <translation>Hey, the shaved-head look is pretty slick too.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>モテすぎて困るぜ。</source>
        <translation>Man, the girls just won&apos;t leave me alone.</translation>
    </message>
</context>
</TS>
