// JavaScript data and routines from Shotweave
var p = new Array(5);
function pData(index, name, pict, action, snd, dlg, CAM, time){}

p[0]= new pData();
p[0].index= "0"
p[0].name= "Ouverture"
p[0].pict= "ouverture.jpg"
p[0].pictEnd= "blank"
p[0].action= "Elle entre \(lentement\) dans la pièce.Elle regarde la fenêtre."
p[0].snd= "Pluie \"forte\""
p[0].dlg= ""
p[0].CAM= "<b>C:</b> général<br><b>A:</b> normal<br><b>M:</b> trav. avant<br><br>"
p[0].time= "<span class=sTime>10s.</span><br><b>cumul:</b><br><span class=sTime>10s.</span>";

p[1]= new pData();
p[1].index= "1"
p[1].name= "La \"rue\""
p[1].pict= "blank"
p[1].pictEnd= "blank"
p[1].action= "Il sortvite."
p[1].snd= ""
p[1].dlg= "Elle: Il est là ?Lui: Non."
p[1].CAM= "<b>C:</b> pied<br><b>A:</b> niveau<br><b>M:</b> pan. latéral<br>trav. arrière<br>zoom avant<br><br>"
p[1].time= "<span class=sTime>55s.</span><br><b>cumul:</b><br><span class=sTime>1m. 5s.</span>";

p[2]= new pData();
p[2].index= "2"
p[2].name= "Café"
p[2].pict= "café &quot;noir&quot;.jpg"
p[2].pictEnd= "café fin.jpg"
p[2].action= "Backslash et <b>gras</b>"
p[2].snd= "Tonnerreau loin"
p[2].dlg= "« Bonjour »"
p[2].CAM= "<b>C:</b> cuisse<br><b>A:</b> légère plongée<br><b>M:</b> pan. vertical<br>trav. latéral<br>zoom arrière<br><br>"
p[2].time= "<span class=sTime> 7 s.</span><br><b>cumul:</b><br><span class=sTime>1m. 12s.</span>";

p[3]= new pData();
p[3].index= "3"
p[3].name= ""
p[3].pict= "blank"
p[3].pictEnd= "blank"
p[3].action= ""
p[3].snd= ""
p[3].dlg= ""
p[3].CAM= "<b>C:</b> ceinture<br><b>A:</b> plongée<br><b>M:</b> circulaire<br>trav. vertical<br><br>"
p[3].time= "<span class=sTime>s.</span><br><b>cumul:</b><br><span class=sTime>1m. 12s.</span>";

p[4]= new pData();
p[4].index= "4"
p[4].name= "Nuit"
p[4].pict= "nuit\\1.png"
p[4].pictEnd= "blank"
p[4].action= "Tout est noir."
p[4].snd= "Silence"
p[4].dlg= "\(rien\)"
p[4].CAM= "<b>C:</b> buste<br><b>A:</b> légère contre-plongée<br><b>M:</b> trav. circulaire<br>zoom avant<br><br>"
p[4].time= "<span class=sTime>3s.</span><br><b>cumul:</b><br><span class=sTime>1m. 15s.</span>";

p[5]= new pData();
p[5].index= "5"
p[5].name= "Fin"
p[5].pict= "fin.jpg"
p[5].pictEnd= "blank"
p[5].action= "Elle part."
p[5].snd= "Musique"
p[5].dlg= "Adieu."
p[5].CAM= "<b>C:</b> épaule<br><b>A:</b> contre-plongée<br><b>M:</b> pan. latéral<br>zoom arrière<br><br>"
p[5].time= "<span class=sTime>30s.</span><br><b>cumul:</b><br><span class=sTime>1m. 45s.</span>";


//////////////////////////

function getPlan(n){
try { parent.pMenu.document.pForm.curP.value= n  ; } catch (e) { }
parent.pMain.location = "pMain.htm?" + n;
}

function shownPlan(){
var found = /^\?(\d+)$/.exec(location.search) || /^#(\d+)$/.exec(location.hash);
if (found) return Number(found[1]);
try { return Number(parent.pMenu.document.pForm.curP.value); } catch (e) { return 0; }
}

var curP = shownPlan();
if (!(curP >= 0 && curP < p.length)) curP = 0;

function getName(){
if (p.length == 0) return "";
var tmp= "<b>" + (curP + 1) + ". " + p[curP].name + "</b>";
return tmp ; 
}

function getSection(n){
var caption = new Array("action", "son", "dialogue", "CAM", "duree")
var tmp = "";
var t = ""; 
if (p.length == 0) return tmp;
if (n == 0) t = p[curP].action;
if (n == 1) t = p[curP].snd;  
if (n == 2) t = p[curP].dlg; 
if (n == 3) t = p[curP].CAM; 
if (n == 4) t = p[curP].time; 

if (t != ""){ 
   tmp = "<H5>" + caption[n] + "</H5>\n" 
   +  t + "\n <P> \n" ; 
  }
 return tmp; 
} 

function pictTag(name){
return "<IMG SRC=\"img/" + name 
     + "\" BORDER=1 WIDTH=160 "
     + "HEIGHT=120 HSPACE=20>";
} 

function getPict(){
var outStr = "<DIV class=iFrame></DIV>";
if (p.length == 0) return outStr;
var tmp = p[curP].pict ; 
var end = p[curP].pictEnd ; 
if (tmp == "blank" && end == "blank") return outStr;
outStr = "";
if (tmp != "blank") outStr += pictTag(tmp);
if (end != "blank") outStr += pictTag(end);
return outStr + " <BR CLEAR=ALL>";

} 

